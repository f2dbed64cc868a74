#include "main/about_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvex {

QDate ReleaseDate() { return QDate(2016, 5, 20); }

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QString::fromLatin1(kProductName), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QStringLiteral("A Program for the Analysis of Flexible Retaining Walls"), this));
    layout->addWidget(new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kVersion), this));
    layout->addWidget(new QLabel(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), this));
    layout->addWidget(
        new QLabel(QStringLiteral("Release date: ") + QLocale().toString(ReleaseDate(), QLocale::ShortFormat), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

TControlOptions::TControlOptions(const QString& editor, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Control Options"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
    edit_ = new QLineEdit(editor, this);
    edit_->setMinimumWidth(320);
    label->setBuddy(edit_);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    row->addWidget(label);
    row->addWidget(edit_, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(browse, &QPushButton::clicked, this, [this] {
        QFileDialog dialog(this, QStringLiteral("Text Editor"), QString(), QStringLiteral("Programs (*);;All Files (*)"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            edit_->setText(dialog.selectedFiles().first());
    });
}

QString TControlOptions::editor() const { return edit_->text().trimmed(); }

}  // namespace torvex
