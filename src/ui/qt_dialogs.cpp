#include "ui/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tallivant::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

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

// Qt reads a filter's patterns from the parentheses of its label.
QString filterText(const FileFilter& f) {
    const QString label = q(f.label);
    if (label.contains(u'(')) return label;
    return label + QStringLiteral(" (") + q(f.pattern) + u')';
}

} // namespace

void QtDialogs::message(const std::string& text, const std::string& title, Icon icon) {
    QMessageBox box(messageIcon(icon), q(title), q(text), QMessageBox::Ok, window_);
    box.exec();
}

bool QtDialogs::okCancel(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, q(title), q(text), QMessageBox::Ok | QMessageBox::Cancel,
                    window_);
    return box.exec() == QMessageBox::Ok;
}

std::string QtDialogs::input(const std::string& message, const std::string& caption,
                             const std::string& defaultAnswer) {
    QInputDialog dialog(window_);
    dialog.setWindowTitle(q(caption));
    dialog.setLabelText(q(message));
    dialog.setTextValue(q(defaultAnswer));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtDialogs::openFile(const FileDialogSetup& setup) {
    return fileDialog(setup, false);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogSetup& setup) {
    return fileDialog(setup, true);
}

std::optional<std::string> QtDialogs::fileDialog(const FileDialogSetup& setup, bool save) {
    QFileDialog dialog(window_, q(setup.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Saving replaces a file of the chosen name without asking, as the scorer expects.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileFilter& f : setup.filters)
        filters << filterText(f);
    dialog.setNameFilters(filters);
    if (setup.selectedFilter >= 0 && setup.selectedFilter < filters.size())
        dialog.selectNameFilter(filters[setup.selectedFilter]);
    dialog.setDefaultSuffix(q(setup.defaultSuffix));
    if (!setup.startName.empty()) dialog.selectFile(q(setup.startName));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.first().toStdString();
}

} // namespace tallivant::ui
