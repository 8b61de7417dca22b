#include "checkExportToExcelRk.h"

#include "exportFields.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QSize chineseSize(360, 250);
const QSize otherSize(540, 250);

} // namespace

// The dialog sets its size itself (the base gets no size): the size of the
// language, made larger where the fonts of the system need more room, so no
// field's text is ever cut.
checkExportToExcelRk::checkExportToExcelRk(QWidget *parent)
    : fixedSizeDialog(QSize(), QSize(), parent)
{
    setObjectName("checkExportToExcelRk");
    m_heading = new QLabel;
    m_heading->setObjectName("heading");
    QFont big = m_heading->font();
    big.setPointSize(20);
    m_heading->setFont(big);
    auto *headingRow = new QHBoxLayout;
    headingRow->addStretch();
    headingRow->addWidget(m_heading);
    headingRow->addStretch();

    for (int field = 0; field < exportFieldCount; ++field) {
        auto *box = new QCheckBox;
        box->setObjectName(QStringLiteral("field%1").arg(field));
        m_fields.append(box);
    }
    m_conditions = new QGroupBox;
    auto *conditionColumns = new QHBoxLayout(m_conditions);
    for (int column = 0; column < 2; ++column) {
        auto *boxes = new QVBoxLayout;
        for (int field = column * 5; field < column * 5 + 5; ++field)
            boxes->addWidget(m_fields[field]);
        conditionColumns->addLayout(boxes);
    }
    m_information = new QGroupBox;
    auto *informationColumn = new QVBoxLayout(m_information);
    for (int field = toleranceField; field < exportFieldCount; ++field)
        informationColumn->addWidget(m_fields[field]);
    auto *groups = new QHBoxLayout;
    groups->addWidget(m_conditions);
    groups->addWidget(m_information);

    m_selectAll = new QCheckBox;
    m_selectAll->setObjectName("selectAll");
    m_export = new QPushButton;
    m_export->setObjectName("export");
    m_cancel = new QPushButton;
    m_cancel->setObjectName("cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_selectAll);
    buttons->addStretch();
    buttons->addWidget(m_export);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(headingRow);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    connect(m_export, &QPushButton::clicked, this, &checkExportToExcelRk::OKButtonFcn);
    connect(m_cancel, &QPushButton::clicked, this, &checkExportToExcelRk::cancelButtonFcn);
    connect(m_selectAll, &QCheckBox::stateChanged, this, &checkExportToExcelRk::checkAllBoxFcn);

    // Built at the Chinese size, until the window gives it its language.
    m_builtChinese = true;
    retranslate();
    m_builtChinese = false;
}

void checkExportToExcelRk::setCsvTarget(bool csv)
{
    m_csv = csv;
    retranslate();
}

QList<Qt::CheckState> checkExportToExcelRk::states() const
{
    QList<Qt::CheckState> list;
    for (const QCheckBox *box : m_fields)
        list.append(box->checkState());
    return list;
}

void checkExportToExcelRk::OKButtonFcn()
{
    const QList<Qt::CheckState> list = states();
    close();
    emit checkInfoSignal(list);
}

void checkExportToExcelRk::cancelButtonFcn()
{
    close();
}

void checkExportToExcelRk::checkAllBoxFcn(int boxState)
{
    if (boxState != Qt::Checked && boxState != Qt::Unchecked)
        return;
    for (QCheckBox *box : qAsConst(m_fields))
        box->setCheckState(Qt::CheckState(boxState));
}

void checkExportToExcelRk::retranslate()
{
    setWindowTitle(tr("Data Export"));
    m_heading->setText(m_csv ? tr("Data Export to CSV") : tr("Data Export to Excel"));
    m_conditions->setTitle(tr("Measuring Conditions"));
    m_information->setTitle(tr("Measuring Info."));
    for (int field = 0; field < exportFieldCount; ++field)
        m_fields[field]->setText(exportFieldLabel(field));
    m_selectAll->setText(tr("Select All"));
    m_export->setText(tr("Export"));
    m_cancel->setText(tr("Cancel"));
    // Layouts keep the sizes they last computed until their layout request
    // is handled, which is too late for the size below.
    const QList<QLayout *> layouts = findChildren<QLayout *>();
    for (QLayout *nested : layouts)
        nested->invalidate();
    m_conditions->updateGeometry();
    m_information->updateGeometry();
    const QSize wanted = m_builtChinese || chineseInterface() ? chineseSize : otherSize;
    setFixedSize(wanted.expandedTo(layout()->minimumSize()));
}
