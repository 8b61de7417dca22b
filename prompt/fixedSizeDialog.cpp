#include "fixedSizeDialog.h"

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
    if (size.isValid())
        setFixedSize(size);
}
