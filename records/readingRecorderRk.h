#ifndef QCM_READINGRECORDERRK_H
#define QCM_READINGRECORDERRK_H

#include "colorConversions.h"
#include "measuringConditions.h"

#include <QObject>
#include <QVector>

class QTreeWidgetItem;
class measurementTreeRk;

// Turns instrument readings into Type and Sample items: naming, the columns
// of a new item and averaged measurements built from several readings.
class readingRecorderRk : public QObject
{
    Q_OBJECT
public:
    readingRecorderRk(measurementTreeRk *tree, const MeasuringConditions *conditions,
                      QObject *parent = nullptr);

    void setAverageMode(bool on) { m_averageMode = on; }
    bool averageMode() const { return m_averageMode; }
    bool averagingActive() const { return m_averagingActive; }
    bool typeAveraging() const { return m_typeAveraging; }
    bool sampleAveraging() const { return m_sampleAveraging; }
    int readingCount() const { return m_readingCount; }
    QTreeWidgetItem *averagedType() const { return m_averagedType; }

    // A Type or Sample reading in CIE L*a*b*.  Return the item made or
    // updated, or none.
    QTreeWidgetItem *typeReading(float L, float a, float b);
    QTreeWidgetItem *sampleReading(float L, float a, float b);

    // The tree's current item when there is at least one Type; otherwise
    // the "Please measure Type firstly!" box, `noTypeYet`, and the root.
    QTreeWidgetItem *currentItemOrRoot();

    // Forgets an unfinished average (its item is gone or the measurement is
    // being replaced).
    void resetAveraging();

    // An average keeps the conditions of its first reading: a mean of
    // readings in two colour spaces, or under two lights, is no colour.
    // The item of the unfinished average, or none.
    QTreeWidgetItem *unfinishedItem() const { return m_averagedItem; }
    // Whether the current conditions are no longer those of the unfinished
    // average's first reading (light source, caliber, light mode, colour
    // space, illumination, observer; the readings per average may change).
    bool seriesConditionsChanged() const;
    // The "Tips" box that says so.
    void showSeriesConditionsChanged();
    // Whether the user may choose these conditions now: not others than the
    // unfinished average's, which the box then explains.
    bool mayChooseConditions(const QString &light, const QString &colorSpace,
                             const QString &lightMode);

signals:
    // A reading came while the window knows no measuring conditions.
    void portInfoLostSignal();
    // A Sample was asked for with no Type in the tree (before the box that
    // says so).
    void noTypeYet();
    // A reading does not belong to the unfinished average: the question
    // whether to keep it follows.
    void unfinishedAverageInterrupted();
    // An averaged item took a further reading: show its conditions.
    void averagedItemUpdated(QTreeWidgetItem *item);

private:
    bool conditionsKnown() const;
    QStringList columns5to15(const QString &time) const;
    QStringList shownTexts(const ColorTriple &values, bool averaged) const;
    // A reading of the unfinished average in the coordinates of its item.
    ColorTriple seriesValues(float L, float a, float b) const;
    // `raw` is the reading's L*a*b*; a complete average keeps their mean.
    void addReading(const ColorTriple &v, const ColorTriple &raw);
    bool askKeepUnfinished();
    // The user gave up the item being averaged: it goes.
    void discardUnfinishedItem();
    void itemRemoved(QTreeWidgetItem *item);

    measurementTreeRk *m_tree;
    const MeasuringConditions *m_conditions;
    bool m_averageMode = false;
    bool m_averagingActive = false;
    bool m_typeAveraging = false;
    bool m_sampleAveraging = false;
    int m_readingCount = 0;
    QTreeWidgetItem *m_averagedType = nullptr;
    // Held by identity: Types and Samples added meanwhile (an upload, a
    // manual input, a library launch) are never taken for it.  Forgotten
    // when the tree removes it.
    QTreeWidgetItem *m_averagedItem = nullptr;
    QVector<ColorTriple> m_averageReadings;
    QVector<ColorTriple> m_rawReadings;
};

#endif
