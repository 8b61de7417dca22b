#include "setMeasurementRk.h"

#include "colorVocabulary.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const int maxVisibleFormulas = 10;

QStringList labFormulas()
{
    return {dialogLabFormulaName(),           formulaName(ColorFormula::E00),
            formulaName(ColorFormula::Cmc),   formulaName(ColorFormula::Iso),
            formulaName(ColorFormula::Cie94), formulaName(ColorFormula::Fmc2),
            formulaName(ColorFormula::Lch)};
}

void selectText(QComboBox *box, const QString &text)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        box->setCurrentIndex(index);
}

QComboBox *makeBox(const char *name)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->setMaxVisibleItems(maxVisibleFormulas);
    // As wide as the longest name offered ("CIE1976L*a*b*"), whatever the
    // boxes hold when the dialog is laid out.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(9);
    return box;
}

} // namespace

setMeasurementRk::Offers setMeasurementRk::offersFor(const QString &model)
{
    Offers offers;
    const QStringList lights = lightSourceNames(); // A D50 D65 C F2 F7 F11 F12
    const QStringList modes = {sciName(), sceName()};
    if (model == QLatin1String("PX71")) {
        offers.lightSources = lights;
        offers.markedLightSource = 2; // D65
        offers.colorSpaces = colorSpaceNames();
        offers.lightModes = modes;
    } else if (model == QLatin1String("PX75")) {
        offers.lightSources = QStringList{lights.at(1), lights.at(2), lights.at(6)};
        offers.markedLightSource = 2; // F11(TL84)
        offers.colorSpaces = QStringList{labSpaceName()};
        offers.lightModes = modes;
    } else if (model == QLatin1String("QM-64")) {
        offers.lightSources = QStringList{lights.at(0), lights.at(2), lights.at(4)};
        offers.markedLightSource = 2; // F2(CWF)
        offers.colorSpaces =
            QStringList{labSpaceName(), lchSpaceName(), xyzSpaceName(), srgbSpaceName()};
        offers.lightModes = modes;
    }
    return offers;
}

QStringList setMeasurementRk::formulasFor(const QString &model, const QString &spaceName)
{
    const ColorSpace space = colorSpaceOf(spaceName, SpaceSpellings::SettingDialog);
    if (model == QLatin1String("PX71")) {
        if (space == ColorSpace::Lab)
            return labFormulas();
        if (space == ColorSpace::Lch)
            return {formulaName(ColorFormula::Lch)};
        if (space == ColorSpace::Luv)
            return {formulaName(ColorFormula::Luv)};
        if (space == ColorSpace::Hunter)
            return {formulaName(ColorFormula::Hunter)};
        if (space == ColorSpace::Srgb)
            return {formulaName(ColorFormula::Srgb)};
        if (space == ColorSpace::Xyz)
            return labFormulas() +
                   QStringList{formulaName(ColorFormula::Luv), formulaName(ColorFormula::Hunter)};
    } else if (model == QLatin1String("PX75")) {
        if (space == ColorSpace::Lab)
            return {dialogLabFormulaName()};
    } else if (model == QLatin1String("QM-64")) {
        if (space == ColorSpace::Lab || space == ColorSpace::Xyz)
            return {dialogLabFormulaName(), formulaName(ColorFormula::Lch)};
        if (space == ColorSpace::Lch)
            return {formulaName(ColorFormula::Lch)};
        if (space == ColorSpace::Srgb)
            return {formulaName(ColorFormula::Srgb)};
    }
    return {};
}

setMeasurementRk::setMeasurementRk(QWidget *parent)
    : fixedSizeDialog(QSize(200, 180), QSize(280, 180), parent), m_title(new QLabel),
      m_lightLabel(new QLabel), m_spaceLabel(new QLabel), m_formulaLabel(new QLabel),
      m_modeLabel(new QLabel), m_lightBox(makeBox("lightSourceBox")),
      m_spaceBox(makeBox("colorSpaceBox")), m_formulaBox(makeBox("formulaBox")),
      m_modeBox(makeBox("lightModeBox")), m_okButton(new QPushButton),
      m_cancelButton(new QPushButton)
{
    setObjectName(QStringLiteral("setMeasurementRk"));
    m_title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = m_title->font();
    titleFont.setPointSize(14);
    m_title->setFont(titleFont);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *titleRow = new QHBoxLayout;
    titleRow->addStretch();
    titleRow->addWidget(m_title);
    titleRow->addStretch();

    auto *labels = new QVBoxLayout;
    auto *boxes = new QVBoxLayout;
    for (QLabel *label : {m_lightLabel, m_spaceLabel, m_formulaLabel, m_modeLabel})
        labels->addWidget(label);
    for (QComboBox *box : {m_lightBox, m_spaceBox, m_formulaBox, m_modeBox})
        boxes->addWidget(box);
    auto *choiceRow = new QHBoxLayout;
    choiceRow->addStretch();
    choiceRow->addLayout(labels);
    choiceRow->addLayout(boxes);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);
    buttonRow->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(choiceRow);
    layout->addLayout(buttonRow);

    connect(m_spaceBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &setMeasurementRk::lightChooseChangeSlot);
    connect(m_okButton, &QPushButton::clicked, this, &setMeasurementRk::OKButtonFcn);
    connect(m_cancelButton, &QPushButton::clicked, this, &setMeasurementRk::cancelButtonFcn);

    retranslateFor(false);
}

void setMeasurementRk::clearBoxes()
{
    const QSignalBlocker blocker(m_spaceBox);
    for (QComboBox *box : {m_lightBox, m_spaceBox, m_formulaBox, m_modeBox})
        box->clear();
}

void setMeasurementRk::fillFormulas()
{
    m_formulaBox->clear();
    m_formulaBox->addItems(formulasFor(m_model, m_spaceBox->currentText()));
    if (m_formulaBox->count() > 0)
        m_formulaBox->setCurrentIndex(0);
}

void setMeasurementRk::setMeasurement(const QString &model, const QString &lightSource,
                                      const QString &colorSpace, const QString &formula,
                                      const QString &lightMode)
{
    m_model = model;
    const QSignalBlocker blocker(m_spaceBox);
    // Boxes left filled by a close that did not empty them would otherwise
    // offer every entry twice.
    clearBoxes();

    const Offers offers = offersFor(model);
    m_lightBox->addItems(offers.lightSources);
    if (!offers.lightSources.isEmpty())
        m_lightBox->setCurrentIndex(offers.markedLightSource);
    m_spaceBox->addItems(offers.colorSpaces);
    m_modeBox->addItems(offers.lightModes);

    selectText(m_lightBox, lightSource);
    selectText(m_spaceBox, colorSpace);
    selectText(m_modeBox, lightMode);
    // The formulas of the colour space now shown, so that a stored space
    // other than the first keeps its own formula when confirmed unchanged.
    fillFormulas();
    selectText(m_formulaBox, formula);
}

void setMeasurementRk::lightChooseChangeSlot(int index)
{
    Q_UNUSED(index)
    fillFormulas();
}

void setMeasurementRk::OKButtonFcn()
{
    const QString light = m_lightBox->currentText();
    const QString space = m_spaceBox->currentText();
    const QString formula = m_formulaBox->currentText();
    const QString mode = m_modeBox->currentText();
    // Empty boxes mean no instrument has said what it offers yet: nothing was
    // chosen, and the conditions in force stay as they are.
    if (!light.isEmpty() && !space.isEmpty() && !formula.isEmpty() && !mode.isEmpty())
        emit setMeasurementFinishSignal(light, space, formula, mode);
    accept();
}

void setMeasurementRk::cancelButtonFcn()
{
    reject();
}

void setMeasurementRk::done(int result)
{
    clearBoxes();
    fixedSizeDialog::done(result);
}

void setMeasurementRk::retranslate()
{
    setWindowTitle(tr("Measuring Setting"));
    m_title->setText(tr("Measuring Setting"));
    m_lightLabel->setText(tr("Measuring Light Source:"));
    m_spaceLabel->setText(tr("Color Space:"));
    m_formulaLabel->setText(tr("Color Difference Formula:"));
    m_modeLabel->setText(tr("Containing Light Mode:"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}
