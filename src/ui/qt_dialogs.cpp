// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/sheet_keys.h"
#include "ui/text.h"
#include "ui/window_place.h"

namespace tallivant::ui {

namespace {

QMessageBox::Icon messageIcon(Icon icon) {
    switch (icon) {
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The picture a message box of `icon` shows, at its size.
QPixmap messagePixmap(Icon icon, const QWidget& on) {
    QStyle::StandardPixmap picture = QStyle::SP_MessageBoxWarning;
    switch (icon) {
    case Icon::Exclamation:
        break;
    case Icon::Critical:
        picture = QStyle::SP_MessageBoxCritical;
        break;
    case Icon::None:
        return {};
    }
    const int size = on.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &on);
    return on.style()
        ->standardIcon(picture, nullptr, &on)
        .pixmap(QSize(size, size), on.devicePixelRatio());
}

// Qt reads a filter's patterns from the parentheses of its label.
QString filterText(const FileFilter& f) {
    const QString label = q(f.label);
    if (label.contains(u'(')) return label;
    return label + QStringLiteral(" (") + q(f.pattern) + u')';
}

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return ca.isEmpty() || cb.isEmpty()
               ? QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath()
               : ca == cb;
}

// A file dialog whose save form may ask before replacing a file, with Qt's own question, but
// never for the game's own file: saving the game again where it already lives is no surprise.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const FileDialogSetup& setup)
        : QFileDialog(parent, q(setup.title)), confirm_(setup.confirmOverwrite),
          ownFile_(q(setup.ownFile)) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        const bool own = !chosen.isEmpty() && sameFile(chosen.first(), ownFile_);
        setOption(QFileDialog::DontConfirmOverwrite, !confirm_ || own);
        QFileDialog::accept();
    }

private:
    bool confirm_;
    QString ownFile_;
};

} // namespace

QWidget* QtDialogs::owner() const {
    QWidget* active = QApplication::activeWindow();
    for (QWidget* w = active; w; w = w->parentWidget())
        if (w == window_) return active;
    return window_;
}

void QtDialogs::message(const std::string& text, const std::string& title, Icon icon) {
    QMessageBox box(messageIcon(icon), q(title), q(text), QMessageBox::Ok, owner());
    // It only informs: the sheet's keys typed meanwhile wait for it to close.
    SheetKeys::holdsKeys(&box);
    box.exec();
}

// A box that only informs, built as a message box with a list: a message box grows with its
// text, and two thousand files left out made it taller than any screen, its OK out of reach.
void QtDialogs::listMessage(const std::string& text, const std::vector<std::string>& items,
                            const std::string& title, Icon icon) {
    QWidget* parent = owner();
    QDialog dialog(parent);
    dialog.setWindowTitle(q(title));
    // The sheet's keys wait behind it and act once it is closed; the key filter shows what
    // waits in `heldKeys`.
    dialog.setProperty("holdsSheetKeys", true);
    auto* layout = new QGridLayout(&dialog);
    if (const QPixmap pixmap = messagePixmap(icon, dialog); !pixmap.isNull()) {
        auto* picture = new QLabel(&dialog);
        picture->setPixmap(pixmap);
        layout->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    }
    auto* label = new QLabel(q(text), &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label, 0, 1);
    auto* held = new QLabel(&dialog);
    held->setObjectName(QStringLiteral("heldKeys"));
    held->hide();
    layout->addWidget(held, 1, 1);
    auto* list = new QListWidget(&dialog);
    list->setUniformItemSizes(true);
    for (const std::string& item : items)
        list->addItem(q(item));
    list->setAccessibleName(label->text());
    layout->addWidget(list, 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);

    // Every item in sight where the screen has room; beyond it the list scrolls, and the box
    // with its OK stays whole on the screen.
    const QScreen* screen = parent ? parent->screen() : dialog.screen();
    const QMargins frame = parent ? frameMargins(*parent->window()) : QMargins();
    const QSize room = screen->availableGeometry().size().shrunkBy(frame);
    const int row = list->count() ? list->sizeHintForRow(0) : list->fontMetrics().height();
    list->setMinimumHeight(row * std::min(list->count(), 3) + 2 * list->frameWidth());
    const QSize listHint = list->sizeHint().expandedTo(list->minimumSize());
    const int column = std::max(listHint.width(), label->sizeHint().width());
    const QSize others = layout->sizeHint() - QSize(column, listHint.height());
    const int wide = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                     list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize wanted =
        others + QSize(std::max(column, wide), row * list->count() + 2 * list->frameWidth());
    dialog.resize(wanted.expandedTo(layout->sizeHint()).boundedTo(room));
    ok->setFocus();
    dialog.exec();
}

void QtDialogs::detailedMessage(const std::string& text, const std::string& detail,
                                const std::string& title, Icon icon) {
    QMessageBox box(messageIcon(icon), q(title), q(text), QMessageBox::Ok, owner());
    box.setInformativeText(q(detail));
    SheetKeys::holdsKeys(&box);
    box.exec();
}

bool QtDialogs::okCancel(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, q(title), q(text), QMessageBox::Ok | QMessageBox::Cancel,
                    owner());
    return box.exec() == QMessageBox::Ok;
}

UnsavedAnswer QtDialogs::saveDiscardCancel(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Warning, q(title), q(text), QMessageBox::NoButton, owner());
    QPushButton* save = box.addButton(QMessageBox::Save);
    save->setText(QCoreApplication::translate("Dialogs", "&Save"));
    box.addButton(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("Dialogs", "&Discard"));
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(QCoreApplication::translate("Dialogs", "Cancel"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

bool QtDialogs::restoreOrDiscard(const std::string& text, const std::string& informative,
                                 const std::string& title) {
    QMessageBox box(QMessageBox::Question, q(title), q(text), QMessageBox::NoButton, owner());
    box.setInformativeText(q(informative));
    QPushButton* restore =
        box.addButton(QCoreApplication::translate("Dialogs", "&Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QCoreApplication::translate("Dialogs", "&Discard"),
                                         QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    // Escape or a closed box keeps the game: only Discard sets it aside.
    box.setEscapeButton(restore);
    box.exec();
    return box.clickedButton() != discard;
}

std::optional<std::string> QtDialogs::input(const std::string& message, const std::string& caption,
                                            const std::string& defaultAnswer,
                                            std::size_t maxLength) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(q(caption));
    dialog.setLabelText(q(message));
    dialog.setTextValue(q(defaultAnswer));
    // The dialog makes its entry field when given a text; there is no other way to reach it.
    if (auto* entry = dialog.findChild<QLineEdit*>())
        entry->setMaxLength(static_cast<int>(std::min<std::size_t>(maxLength, 32767)));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<int> QtDialogs::choose(const std::string& message, const std::string& title,
                                     const std::vector<std::string>& choices, int preselected) {
    QDialog dialog(owner());
    dialog.setWindowTitle(q(title));
    auto* label = new QLabel(q(message), &dialog);
    auto* list = new QListWidget(&dialog);
    for (const std::string& choice : choices)
        list->addItem(q(choice));
    label->setBuddy(list);
    list->setAccessibleName(QString(label->text()).remove(u'&'));
    // Every entry in sight: twelve names need no scrolling.
    list->setMinimumHeight(list->sizeHintForRow(0) * static_cast<int>(choices.size()) +
                           2 * list->frameWidth());
    list->setCurrentRow(preselected >= 0 && preselected < list->count() ? preselected : 0);
    list->setFocus();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // A double click (or Enter) on an entry chooses it.
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return list->currentRow();
}

std::optional<std::string> QtDialogs::openFile(const FileDialogSetup& setup) {
    const std::vector<std::string> chosen = fileDialog(setup, QFileDialog::ExistingFile);
    return chosen.empty() ? std::nullopt : std::optional(chosen.front());
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogSetup& setup) {
    const std::vector<std::string> chosen = fileDialog(setup, QFileDialog::AnyFile);
    return chosen.empty() ? std::nullopt : std::optional(chosen.front());
}

std::vector<std::string> QtDialogs::openFiles(const FileDialogSetup& setup) {
    return fileDialog(setup, QFileDialog::ExistingFiles);
}

std::optional<std::string> QtDialogs::chooseFolder(const FileDialogSetup& setup) {
    const std::vector<std::string> chosen = fileDialog(setup, QFileDialog::Directory);
    return chosen.empty() ? std::nullopt : std::optional(chosen.front());
}

std::vector<std::string> QtDialogs::fileDialog(const FileDialogSetup& setup,
                                               QFileDialog::FileMode mode) {
    FileDialog dialog(owner(), setup);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode == QFileDialog::AnyFile ? QFileDialog::AcceptSave
                                                      : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    if (mode == QFileDialog::Directory) dialog.setOption(QFileDialog::ShowDirsOnly);
    QStringList filters;
    for (const FileFilter& f : setup.filters)
        filters << filterText(f);
    dialog.setNameFilters(filters);
    if (setup.selectedFilter >= 0 && setup.selectedFilter < filters.size())
        dialog.selectNameFilter(filters[setup.selectedFilter]);
    dialog.setDefaultSuffix(q(setup.defaultSuffix));
    if (!setup.startFolder.empty()) dialog.setDirectory(q(setup.startFolder));
    if (!setup.startName.empty()) dialog.selectFile(q(setup.startName));
    if (dialog.exec() != QDialog::Accepted) return {};
    std::vector<std::string> chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(file.toStdString());
    return chosen;
}

} // namespace tallivant::ui
