#ifndef QCM_ONELINEDIALOG_H
#define QCM_ONELINEDIALOG_H

#include "fixedSizeDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// A small non-modal dialog beside the measurement tree: one labelled line,
// OK and Cancel beneath it.  Rename and quick search both look like this and
// keep the same least size, so the frame is built here once; what OK does and
// what the line means is the subclass's.
class oneLineDialog : public fixedSizeDialog
{
    Q_OBJECT
public:
    QPushButton *okButton() const { return m_ok; }

public slots:
    // Cancel only hides: the dialog keeps its state for the next showing.
    void cancelButtonFcn();

protected:
    // OK starts disabled and is the default button; Cancel is wired here.
    oneLineDialog(const QString &objectName, const QString &editName, QWidget *parent);

    QLineEdit *lineEdit() const { return m_edit; }

    // The texts, already translated in the subclass's own context, then the
    // size they need.
    void setTexts(const QString &title, const QString &label, const QString &ok,
                  const QString &cancel);

private:
    QLabel *m_label;
    QLineEdit *m_edit;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

#endif
