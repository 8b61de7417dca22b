#ifndef QCM_CREATENEWLIBRARYFILE_H
#define QCM_CREATENEWLIBRARYFILE_H

#include "fixedSizeDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the name of a new library file.  "OK" is enabled only while the
// text is a usable name (see isValidLibraryFileName, blanks around it aside);
// it sends the trimmed name followed by ".scl".  Closing the dialog in any
// way empties the text.
class createNewLibraryFile : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit createNewLibraryFile(QWidget *parent = nullptr);

    void done(int result) override;

signals:
    void newFileNameSignal(QString fileName);

public slots:
    void OKButtonFcn();
    void cancelButtonFcn();
    // Enables "OK" for a usable name (the text changed).
    void setButtonFcn();

protected:
    void retranslate() override;

private:
    QLabel *m_label;
    QLineEdit *m_nameEdit;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif
