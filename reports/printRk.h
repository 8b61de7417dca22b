#ifndef QCM_PRINTRK_H
#define QCM_PRINTRK_H

#include "fixedSizeDialog.h"
#include "reportPages.h"

#include <memory>

class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class threadRk;

// The report dialog: chooses "Color Difference Test Report 1" or "2" and
// prints it through the platform's print dialog or shows it in a print
// preview.  It keeps a copy of what it prints (never a tree item), asked
// afresh from the window before every print or preview.  While the print
// dialog or the preview is open, its own port watcher keeps the serial link
// reading the port.
class printRk : public fixedSizeDialog
{
    Q_OBJECT
public:
    explicit printRk(QWidget *parent = nullptr);
    ~printRk() override;

    // The printer the reports go to; the user's choices in the print dialog
    // stay with it from one print to the next.
    QPrinter *printer() const { return m_printer.get(); }
    const reportData &reportInfo() const { return m_data; }
    // 1 or 2, by the radio buttons.
    int chosenFormat() const;
    QRadioButton *formatButton(int format) const;
    QPushButton *printButton() const { return m_print; }
    QPushButton *previewButton() const { return m_preview; }

signals:
    // Asks the window for the marked items and print values again.
    void reGetInfoSignal();
    // A tick of the port watcher, for the serial link's reading.
    void printPortWSSignal();

public slots:
    void recieveInfoForPrint(const reportData &data);
    void printBtnFcn();
    void printPreviewBtnFcn();
    void cancelButtonFcn();
    // Refuses an empty report, else asks the print dialog and prints; true
    // when the report was printed.
    bool printColorData(int chooseIndex);
    void printPreview(int chooseIndex);
    // Print the whole report onto `printer`; a failure is shown and a file
    // begun for it is removed.  True when every page was printed.
    bool setFormat1(QPrinter *printer);
    bool setFormat2(QPrinter *printer);

protected:
    void retranslate() override;

private:
    // The refusal of an empty report in the chosen format; true when shown.
    bool refused(int format);
    bool printOn(QPrinter *printer, int format);
    QWidget *boxParent();

    reportData m_data;
    std::unique_ptr<QPrinter> m_printer;
    threadRk *m_watcher;
    QLabel *m_title;
    QLabel *m_picture1;
    QLabel *m_picture2;
    QRadioButton *m_format1;
    QRadioButton *m_format2;
    QPushButton *m_print;
    QPushButton *m_preview;
    QPushButton *m_cancel;
};

#endif
