#include "createNewLibraryFile.h"

#include "libraryFolder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

createNewLibraryFile::createNewLibraryFile(QWidget *parent)
    : fixedSizeDialog(QSize(240, 80), QSize(240, 80), parent), m_label(new QLabel),
      m_nameEdit(new QLineEdit), m_okButton(new QPushButton), m_cancelButton(new QPushButton)
{
    m_nameEdit->setObjectName("newFileNameEdit");
    m_okButton->setObjectName("newFileOkButton");
    m_cancelButton->setObjectName("newFileCancelButton");
    m_okButton->setEnabled(false);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(m_label);
    nameRow->addWidget(m_nameEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);

    connect(m_nameEdit, &QLineEdit::textChanged, this, &createNewLibraryFile::setButtonFcn);
    connect(m_okButton, &QPushButton::clicked, this, &createNewLibraryFile::OKButtonFcn);
    connect(m_cancelButton, &QPushButton::clicked, this, &createNewLibraryFile::cancelButtonFcn);
    retranslateFor(false);
}

void createNewLibraryFile::retranslate()
{
    setWindowTitle(tr("New library file"));
    m_label->setText(tr("Library file name:"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}

void createNewLibraryFile::setButtonFcn()
{
    m_okButton->setEnabled(isValidLibraryFileName(m_nameEdit->text().trimmed()));
}

void createNewLibraryFile::OKButtonFcn()
{
    const QString name = m_nameEdit->text().trimmed();
    if (!isValidLibraryFileName(name))
        return;
    emit newFileNameSignal(name + QStringLiteral(".scl"));
    accept();
}

void createNewLibraryFile::cancelButtonFcn()
{
    reject();
}

void createNewLibraryFile::done(int result)
{
    m_nameEdit->clear();
    m_okButton->setEnabled(false);
    fixedSizeDialog::done(result);
}
