#include "browser_engine/page_dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QJSEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace nominator {
namespace {

// The engine's numbers for the kinds of JavaScript dialog and of file chooser.
enum JavaScriptDialogType { Alert, Confirm, Prompt };
enum FileMode { Open, OpenMultiple, UploadFolder, Save };

void Accept(QObject& request) { QMetaObject::invokeMethod(&request, "dialogAccept"); }

void Reject(QObject& request) { QMetaObject::invokeMethod(&request, "dialogReject"); }

// Window-modal, gone once answered, and named for screen readers by its title.
void Prepare(QDialog& dialog, const QString& title) {
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAttribute(Qt::WA_DeleteOnClose);
}

// Answers the page once the dialog is done: with `accept` when it was accepted, otherwise
// with a refusal.
template <typename Accept>
void OpenUntilAnswered(QDialog& dialog, QObject& request, Accept accept) {
    KeepUntilAnswered(request, dialog);
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&request, accept](int result) {
        if (result == QDialog::Accepted) {
            accept();
        } else {
            Reject(request);
        }
    });
    dialog.open();
}

void OpenMessage(QWidget& parent, QObject& request, bool confirm) {
    auto* box =
        new QMessageBox(confirm ? QMessageBox::Question : QMessageBox::Information,
                        PageSays(request), request.property("message").toString(),
                        confirm ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, &parent);
    Prepare(*box, PageSays(request));
    box->setTextFormat(Qt::PlainText);
    box->setEscapeButton(confirm ? QMessageBox::Cancel : QMessageBox::Ok);
    KeepUntilAnswered(request, *box);
    QObject::connect(box, &QMessageBox::finished, box, [box, &request] {
        if (box->clickedButton() == box->button(QMessageBox::Ok)) {
            Accept(request);
        } else {
            Reject(request);
        }
    });
    box->open();
}

void OpenPrompt(QWidget& parent, QObject& request) {
    auto* dialog = new QInputDialog(&parent);
    Prepare(*dialog, PageSays(request));
    dialog->setLabelText(request.property("message").toString());
    dialog->setTextValue(request.property("defaultText").toString());
    OpenUntilAnswered(*dialog, request, [dialog, &request] {
        QMetaObject::invokeMethod(&request, "dialogAccept", Q_ARG(QString, dialog->textValue()));
    });
}

}  // namespace

void KeepUntilAnswered(QObject& request, QObject& owner) {
    QJSEngine::setObjectOwnership(&request, QJSEngine::CppOwnership);
    if (request.parent() == nullptr) request.setParent(&owner);
}

QString PageSays(const QObject& request) {
    const QUrl origin = request.property("securityOrigin").toUrl();
    const QString host = origin.host().isEmpty() ? origin.toString() : origin.host();
    return host.isEmpty() ? QStringLiteral("The page says") : host + QStringLiteral(" says");
}

void OpenJavaScriptDialog(QWidget& parent, QObject& request) {
    request.setProperty("accepted", true);
    switch (request.property("type").toInt()) {
        case Alert:
            return OpenMessage(parent, request, false);
        case Confirm:
            return OpenMessage(parent, request, true);
        case Prompt:
            return OpenPrompt(parent, request);
        default:
            // A kind this window does not know of is refused, as the engine would.
            return Reject(request);
    }
}

void OpenSignInDialog(QWidget& parent, QObject& request) {
    request.setProperty("accepted", true);
    const QUrl url = request.property("url").toUrl();
    auto* dialog = new QDialog(&parent);
    Prepare(*dialog, QStringLiteral("Sign in to ") + url.host());
    auto* layout = new QVBoxLayout(dialog);
    auto* about = new QLabel(QStringLiteral("%1 asks for a user name and password (\"%2\").")
                                 .arg(url.host(), request.property("realm").toString()),
                             dialog);
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);
    layout->addWidget(about);
    auto* fields = new QFormLayout;
    auto* user = new QLineEdit(dialog);
    user->setAccessibleName(QStringLiteral("User name"));
    auto* password = new QLineEdit(dialog);
    password->setEchoMode(QLineEdit::Password);
    password->setAccessibleName(QStringLiteral("Password"));
    fields->addRow(QStringLiteral("&User name:"), user);
    fields->addRow(QStringLiteral("&Password:"), password);
    layout->addLayout(fields);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Sign in"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    OpenUntilAnswered(*dialog, request, [user, password, &request] {
        QMetaObject::invokeMethod(&request, "dialogAccept", Q_ARG(QString, user->text()),
                                  Q_ARG(QString, password->text()));
    });
}

void OpenFileDialog(QWidget& parent, QObject& request) {
    request.setProperty("accepted", true);
    const int mode = request.property("mode").toInt();
    auto* dialog = new QFileDialog(&parent);
    Prepare(*dialog, mode == Save ? QStringLiteral("Save file") : QStringLiteral("Choose file"));
    dialog->setFileMode(mode == OpenMultiple   ? QFileDialog::ExistingFiles
                        : mode == UploadFolder ? QFileDialog::Directory
                        : mode == Save         ? QFileDialog::AnyFile
                                               : QFileDialog::ExistingFile);
    if (mode == Save) dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->selectFile(request.property("defaultFileName").toString());
    // The page names what it takes as file name extensions (".png") or as media types.
    QStringList extensions;
    QStringList types;
    for (const QString& accepted : request.property("acceptedMimeTypes").toStringList()) {
        if (accepted.startsWith(QLatin1Char('.'))) {
            extensions << QLatin1Char('*') + accepted;
        } else if (accepted.contains(QLatin1Char('/'))) {
            types << accepted;
        }
    }
    if (!extensions.isEmpty()) {
        dialog->setNameFilters(
            {extensions.join(QLatin1Char(' ')), QStringLiteral("All files (*)")});
    } else if (!types.isEmpty()) {
        dialog->setMimeTypeFilters(types << QStringLiteral("application/octet-stream"));
    }
    OpenUntilAnswered(*dialog, request, [dialog, &request] {
        QMetaObject::invokeMethod(&request, "dialogAccept",
                                  Q_ARG(QStringList, dialog->selectedFiles()));
    });
}

void OpenColourDialog(QWidget& parent, QObject& request) {
    request.setProperty("accepted", true);
    auto* dialog = new QColorDialog(request.property("color").value<QColor>(), &parent);
    Prepare(*dialog, QStringLiteral("Choose a colour"));
    OpenUntilAnswered(*dialog, request, [dialog, &request] {
        QMetaObject::invokeMethod(&request, "dialogAccept", Q_ARG(QColor, dialog->selectedColor()));
    });
}

}  // namespace nominator
