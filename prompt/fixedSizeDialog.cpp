#include "fixedSizeDialog.h"

#include <QLayout>

fixedSizeDialog::fixedSizeDialog(QSize chineseSize, QSize otherSize, QWidget *parent)
    : QDialog(parent), m_chineseSize(chineseSize), m_otherSize(otherSize)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void fixedSizeDialog::retranslateFor(bool chinese)
{
    m_chinese = chinese;
    retranslate();
    const QSize size = sizeFor(chinese);
    if (!size.isValid())
        return;
    // The sizes suit the fonts the program was drawn for; where this
    // platform's texts come out wider, the dialog grows to show them whole
    // rather than cut them off.
    if (layout())
        layout()->activate();
    setFixedSize(size.expandedTo(minimumSizeHint()));
}
