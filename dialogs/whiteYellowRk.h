#ifndef QCM_WHITEYELLOWRK_H
#define QCM_WHITEYELLOWRK_H

#include "fixedSizeDialog.h"

#include <QVector>

class QLabel;
class QPushButton;
class serialPortRk;

// The whiteness and yellowness dialog: "Test" asks the instrument for one
// reading (always SCI, D65) and the four indices of it are shown until the
// next one.  Nothing is stored.
class whiteYellowRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit whiteYellowRk(QWidget *parent = nullptr);

    // The four shown values, in row order.
    QStringList shownValues() const;

    // Asks the link for readings and follows the instrument coming and going.
    void follow(serialPortRk *link);

public slots:
    // "Test": asks for a reading; the button waits for its answer.
    void testButtonFcn();
    // X, Y, Z and Hunter L, a, b of one reading: the four indices.
    void setWhiteYellow(const QVector<float> &values);
    // The instrument answered nothing in time: "Test" may be pressed again.
    void testTimedOut();
    // The instrument is there (its information arrived) or gone.
    void setConnected(bool connected);

signals:
    void testWhiteYellowSignal();

protected:
    void retranslate() override;

private:
    void updateTestButton();

    bool m_connected = false;
    bool m_waiting = false;
    QLabel *m_title;
    QLabel *m_rowLabels[4];
    QLabel *m_values[4];
    QPushButton *m_testButton;
};

#endif
