// Sharing the run on screen: View > Show Link as QR Code, and the address of
// the published page the link points at (a preference, or --page-url).
// Which run travels and every refusal come from frontend/run_link.h.
#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QSettings>
#include <QUrl>

#include "frontend/qr_code.h"
#include "frontend/run_link.h"
#include "ui/qt/main_window.h"

#include "history/display_text.h"
#include "ui/qt/qr_dialog.h"

namespace {
constexpr const char* PageUrlKey = "share/pageUrl";
}

void MainWindow::buildShareActions(QMenu* view)
{
    view->addSeparator();
    qrAction_ = addMenuAction(view, QStringLiteral("actionShowQr"), QString(), QKeySequence());
    connect(qrAction_, &QAction::triggered, this, &MainWindow::showLinkQr);
    connect(addMenuAction(view, QStringLiteral("actionPageAddress"), tr("Page &Address..."), QKeySequence()),
            &QAction::triggered, this, [this] {
                bool ok = false;
                const QString address = QInputDialog::getText(
                    this, tr("Page Address"), tr("The address where the page is published (https://...):"),
                    QLineEdit::Normal, pageAddress_, &ok);
                if (!ok) return;
                if (const QString refusal = setPageAddress(address); !refusal.isEmpty()) refuse(refusal);
            });
    showShareAction();
}

void MainWindow::showShareAction()
{
    if (qrAction_ == nullptr) return;
    const bool known = !pageAddress_.isEmpty();
    qrAction_->setEnabled(known);
    qrAction_->setText(known ? tr("Show Link as &QR Code")
                             : tr("Show Link as QR Code (set the page's address first: View > Page "
                                  "Address or --page-url URL)"));
}

QString MainWindow::setPageAddress(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const bool usable =
        url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http") ||
                          url.scheme() == QLatin1String("file"));
    // The link's own query and fragment are added to the page's bare address.
    pageAddress_ = usable ? url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString() : QString();
    if (settings_ != nullptr) settings_->setValue(QLatin1String(PageUrlKey), pageAddress_);
    showShareAction();
    if (usable || address.trimmed().isEmpty()) return {};
    // Anything else (a "javascript:" address among them) would make links no browser should follow.
    return tr("The page address %1 is not used: it must be a web address beginning with https:// or "
              "http://, or a file:// address.")
        .arg(QString::fromStdString(displaytext::name("\"" + address.trimmed().toStdString() + "\"")));
}

void MainWindow::takeUpPageAddress()
{
    if (settings_ != nullptr) pageAddress_ = settings_->value(QLatin1String(PageUrlKey)).toString();
    showShareAction();
}

QString MainWindow::linkToRun(QString* refusal) const
{
    const runlink::BuiltLink built =
        runlink::buildLink(pageAddress_.toStdString(), runlink::linkParts(*history_, speed_));
    if (refusal != nullptr) *refusal = QString::fromStdString(built.error);
    return QString::fromStdString(built.link);
}

void MainWindow::showLinkQr()
{
    if (pageAddress_.isEmpty()) return;
    QString refusal;
    const QString link = linkToRun(&refusal);
    if (!refusal.isEmpty()) {
        refuse(refusal);
        return;
    }
    const std::string text = link.toStdString();
    const std::optional<qr::Matrix> matrix =
        text.size() <= runlink::MaxQrCharacters ? qr::encode(text) : std::nullopt;
    if (!matrix) {
        refuse(QString::fromStdString(runlink::qrTooLongSentence(text.size())));
        return;
    }
    if (qrDialog_ == nullptr) qrDialog_ = new QrDialog(this);
    qrDialog_->showCode(*matrix, link);
    qrDialog_->show();
    qrDialog_->raise();
}
