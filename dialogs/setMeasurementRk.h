#ifndef QCM_SETMEASUREMENTRK_H
#define QCM_SETMEASUREMENTRK_H

#include "fixedSizeDialog.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

// The measuring-conditions dialog: light source, colour space, formula and
// light mode.  What it offers depends on the model the instrument reported,
// the formulas also on the colour space shown.
class setMeasurementRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit setMeasurementRk(QWidget *parent = nullptr);

    // What a model offers, in list order, and the entry selected when the
    // list is filled; empty lists for a model that is not known.
    struct Offers
    {
        QStringList lightSources;
        int markedLightSource = 0;
        QStringList colorSpaces;
        QStringList lightModes;
    };
    static Offers offersFor(const QString &model);
    // The formulas of a model for a colour space; empty when it has none.
    static QStringList formulasFor(const QString &model, const QString &colorSpace);

public slots:
    // Fills the four boxes for `model` and selects the given values where the
    // boxes offer them.
    void setMeasurement(const QString &model, const QString &lightSource, const QString &colorSpace,
                        const QString &formula, const QString &lightMode);
    // The colour space changed: the formulas of that space, the first chosen.
    void lightChooseChangeSlot(int index);
    void OKButtonFcn();
    void cancelButtonFcn();

signals:
    void setMeasurementFinishSignal(const QString &lightSource, const QString &colorSpace,
                                    const QString &formula, const QString &lightMode);

protected:
    void retranslate() override;
    // However the dialog closes (buttons, title bar, Escape) it empties its
    // boxes; they are filled again each time it is shown.
    void done(int result) override;

private:
    void clearBoxes();
    void fillFormulas();

    QString m_model;
    QLabel *m_title;
    QLabel *m_lightLabel;
    QLabel *m_spaceLabel;
    QLabel *m_formulaLabel;
    QLabel *m_modeLabel;
    QComboBox *m_lightBox;
    QComboBox *m_spaceBox;
    QComboBox *m_formulaBox;
    QComboBox *m_modeBox;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif
