#ifndef QCM_FIXEDSIZEDIALOG_H
#define QCM_FIXEDSIZEDIALOG_H

#include <QDialog>
#include <QSize>

// A dialog of the program: made once with the main window as its parent,
// hidden, and shown on demand, keeping its state between uses.  It has one
// fixed size for a Chinese interface and one for the other languages; the
// main window hands every such child the language at each switch, and the
// dialog then sets its texts and its size together.
class fixedSizeDialog : public QDialog
{
    Q_OBJECT
public:
    // An invalid size leaves the dialog at the size its layout gives it.
    fixedSizeDialog(QSize chineseSize, QSize otherSize, QWidget *parent = nullptr);

    // Texts from the current translation, then the size of the language, or
    // the least size that shows every text whole where that is larger.
    void retranslateFor(bool chinese);
    bool chineseInterface() const { return m_chinese; }
    QSize sizeFor(bool chinese) const { return chinese ? m_chineseSize : m_otherSize; }

protected:
    // Sets every translatable text of the dialog.
    virtual void retranslate() = 0;

private:
    QSize m_chineseSize;
    QSize m_otherSize;
    bool m_chinese = false;
};

#endif
