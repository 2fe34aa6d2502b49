#include "qtprompts.h"

#include "filefilter.h"
#include "frmhtmlwarn.h"
#include "frmjoy.h"
#include "frmsaveinfo.h"
#include "frmstylewiz.h"
#include "helpers.h"
#include "screencentre.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMainWindow>

namespace {

// The window a dialog belongs to, and is centred over. A question asked from inside a dialog
// belongs over that dialog; every other one over the main window, whichever command asked it.
// The active window is no guide: just after a menu command it may still be the closing menu, or
// nothing at all until the window manager reports the main window active again.
QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (qobject_cast<QMainWindow *>(window) && window->isVisible())
            return window;
    }
    return QApplication::activeWindow();
}

// Colours travel as 0x00BBGGRR values: red in the low byte.
QColor fromStored(uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

uint32_t toStored(const QColor &colour)
{
    return uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) | (uint32_t(colour.blue()) << 16);
}

} // namespace

QMessageBox::Icon TQtPrompts::iconFor(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning:
        return QMessageBox::Warning;
    case TMsgKind::Error:
        return QMessageBox::Critical;
    case TMsgKind::Information:
        return QMessageBox::Information;
    case TMsgKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons TQtPrompts::buttonsFor(TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok:
        return QMessageBox::Ok;
    case TMsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case TMsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case TMsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton TQtPrompts::defaultButtonFor(TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok:
    case TMsgButtons::OkCancel:
        return QMessageBox::Ok;
    case TMsgButtons::YesNo:
    case TMsgButtons::YesNoCancel:
        return QMessageBox::Yes;
    }
    return QMessageBox::Ok;
}

TMsgResult TQtPrompts::resultFor(QMessageBox::StandardButton button, TMsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return TMsgResult::Ok;
    case QMessageBox::Yes:
        return TMsgResult::Yes;
    case QMessageBox::No:
        return TMsgResult::No;
    case QMessageBox::Cancel:
        return TMsgResult::Cancel;
    default:
        break;
    }
    // Closing the box answers like its way out: Cancel where there is one, No for a plain
    // Yes/No question, OK for a notice.
    switch (buttons) {
    case TMsgButtons::Ok:
        return TMsgResult::Ok;
    case TMsgButtons::YesNo:
        return TMsgResult::No;
    case TMsgButtons::OkCancel:
    case TMsgButtons::YesNoCancel:
        return TMsgResult::Cancel;
    }
    return TMsgResult::Cancel;
}

QString TQtPrompts::captionFor(const QString &caption)
{
    return caption.isEmpty() ? QStringLiteral("Zorvin Express") : caption;
}

void TQtPrompts::setUpMessageBox(QMessageBox &box, TMsgKind kind, const QString &text, TMsgButtons buttons,
                                 const QString &caption)
{
    box.setObjectName(QStringLiteral("msgPrompt"));
    box.setIcon(iconFor(kind));
    box.setWindowTitle(captionFor(caption));
    // Stored texts end their lines with CR LF; a message box wants plain line feeds.
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(buttonsFor(buttons));
    box.setDefaultButton(defaultButtonFor(buttons));
}

TMsgResult TQtPrompts::message(TMsgKind kind, const QString &text, TMsgButtons buttons,
                               const QString &caption)
{
    QMessageBox box(dialogParent());
    setUpMessageBox(box, kind, text, buttons, caption);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    return resultFor(clicked, buttons);
}

std::optional<TFileChoice> TQtPrompts::fileDialog(const TFileRequest &request, TFileDialogKind kind)
{
    const bool save = kind == TFileDialogKind::Save;
    QFileDialog dialog(dialogParent(), request.title, NativePath(request.folder));
    dialog.setObjectName(save ? QStringLiteral("dlgSave") : QStringLiteral("dlgOpen"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters =
        ToQtFileFilter(request.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(std::clamp(request.filterIndex, 0, int(filters.size()) - 1)));
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(NativePath(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt; // the user cancelled
    TFileChoice choice;
    choice.path = dialog.selectedFiles().constFirst();
    choice.filterIndex = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return choice;
}

std::optional<TFileChoice> TQtPrompts::openFile(const TFileRequest &request)
{
    return fileDialog(request, TFileDialogKind::Open);
}

std::optional<TFileChoice> TQtPrompts::saveFile(const TFileRequest &request)
{
    return fileDialog(request, TFileDialogKind::Save);
}

std::optional<QString> TQtPrompts::chooseFolder(const TFileRequest &request)
{
    const QString folder = QFileDialog::getExistingDirectory(dialogParent(), request.title, request.folder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<uint32_t> TQtPrompts::chooseColour(uint32_t initial)
{
    const QColor colour = QColorDialog::getColor(fromStored(initial), dialogParent());
    if (!colour.isValid())
        return std::nullopt;
    return toStored(colour);
}

TNoticeAnswer TQtPrompts::saveInformation()
{
    TfrmSaveInfo dialog(dialogParent());
    CentreOnScreen(dialog);
    dialog.exec();
    return dialog.answer();
}

TNoticeAnswer TQtPrompts::htmlChangeAlert()
{
    TfrmHTMLWarn alert(dialogParent());
    CentreOnScreen(alert);
    alert.exec();
    return alert.answer();
}

void TQtPrompts::styleWizard(const QString &programFolder, const QString &htmlFolder)
{
    TfrmStyleWiz wizard(programFolder, htmlFolder, dialogParent());
    wizard.exec();
}

TNoticeAnswer TQtPrompts::uploadSuccess()
{
    TfrmJoy joy(dialogParent());
    joy.exec();
    return joy.answer();
}
