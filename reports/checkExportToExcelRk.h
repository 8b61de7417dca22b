#ifndef QCM_CHECKEXPORTTOEXCELRK_H
#define QCM_CHECKEXPORTTOEXCELRK_H

#include "fixedSizeDialog.h"

#include <QList>
#include <QVector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The field dialog of the exports: fifteen boxes for the fields added to the
// fixed columns, "Select All", "Export" and "Cancel".  It is made once and
// keeps its boxes from one use to the next (also after "Export").
class checkExportToExcelRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit checkExportToExcelRk(QWidget *parent = nullptr);

    // The heading names the file the export writes: a workbook or CSV.
    void setCsvTarget(bool csv);
    bool csvTarget() const { return m_csv; }

    QCheckBox *fieldBox(int field) const { return m_fields.value(field); }
    QCheckBox *selectAllBox() const { return m_selectAll; }
    // The fifteen states in field order.
    QList<Qt::CheckState> states() const;

signals:
    void checkInfoSignal(QList<Qt::CheckState> states);

public slots:
    // "Export": closes the dialog and sends the fifteen states.
    void OKButtonFcn();
    void cancelButtonFcn();
    // "Select All" checked checks every box, unchecked clears them; one box
    // changed by hand leaves "Select All" as it is.
    void checkAllBoxFcn(int boxState);

protected:
    void retranslate() override;

private:
    bool m_csv = false;
    bool m_builtChinese = false;
    QLabel *m_heading;
    QGroupBox *m_conditions;
    QGroupBox *m_information;
    QVector<QCheckBox *> m_fields;
    QCheckBox *m_selectAll;
    QPushButton *m_export;
    QPushButton *m_cancel;
};

#endif
