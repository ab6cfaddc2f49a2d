#include "ui/qt/link_sharing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QUrl>

#include "frontend/qr_code.h"
#include "history/display_text.h"
#include "ui/qt/menu_actions.h"
#include "ui/qt/preferences.h"
#include "ui/qt/qr_dialog.h"
#include "ui/qt/translation.h"

namespace {
constexpr const char* PageUrlKey = "share/pageUrl";
}

LinkSharing::LinkSharing(QWidget& window, Preferences& preferences,
                         std::function<runlink::LinkParts()> partsOf,
                         std::function<void(const QString&)> refuse)
    : window_(window), preferences_(preferences), partsOf_(std::move(partsOf)), refuse_(std::move(refuse))
{
}

void LinkSharing::buildActions(QMenu* view)
{
    view->addSeparator();
    qrAction_ = addMenuAction(view, QStringLiteral("actionShowQr"), QString(), QKeySequence());
    QObject::connect(qrAction_, &QAction::triggered, &window_, [this] { showLinkQr(); });
    copyAction_ = addMenuAction(view, QStringLiteral("actionCopyLink"), QObject::tr("Copy &Link to Run"),
                                QKeySequence());
    QObject::connect(copyAction_, &QAction::triggered, &window_, [this] { copyLink(); });
    QObject::connect(addMenuAction(view, QStringLiteral("actionPageAddress"), QObject::tr("Page &Address..."),
                                   QKeySequence()),
                     &QAction::triggered, &window_, [this] {
                         bool ok = false;
                         const QString address = QInputDialog::getText(
                             &window_, QObject::tr("Page Address"),
                             QObject::tr("The address where the page is published (https://...):"),
                             QLineEdit::Normal, pageAddress_, &ok);
                         if (!ok) return;
                         if (const QString refusal = setPageAddress(address); !refusal.isEmpty())
                             refuse_(refusal);
                     });
    showAction();
}

void LinkSharing::showAction()
{
    if (qrAction_ == nullptr) return;
    const bool known = !pageAddress_.isEmpty();
    qrAction_->setEnabled(known);
    copyAction_->setEnabled(known);
    qrAction_->setText(known ? QObject::tr("Show Link as &QR Code")
                             : QObject::tr("Show Link as QR Code (set the page's address first: View > Page "
                                           "Address or --page-url URL)"));
}

QString LinkSharing::setPageAddress(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const bool usable =
        url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http") ||
                          url.scheme() == QLatin1String("file"));
    // The link's own query and fragment are added to the page's bare address.
    pageAddress_ = usable ? url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString() : QString();
    preferences_.remember(PageUrlKey, pageAddress_);
    showAction();
    if (usable || address.trimmed().isEmpty()) return {};
    // Anything else (a "javascript:" address among them) would make links no browser should follow.
    return QObject::tr("The page address %1 is not used: it must be a web address beginning with https:// or "
                       "http://, or a file:// address.")
        .arg(QString::fromStdString(displaytext::name("\"" + address.trimmed().toStdString() + "\"")));
}

void LinkSharing::takeUpPageAddress()
{
    if (preferences_.settings() != nullptr) pageAddress_ = preferences_.value(PageUrlKey).toString();
    showAction();
}

QString LinkSharing::linkToRun(QString* refusal) const
{
    const runlink::BuiltLink built = runlink::buildLink(pageAddress_.toStdString(), partsOf_());
    if (refusal != nullptr) *refusal = translation::shown(built.error);
    return QString::fromStdString(built.link);
}

bool LinkSharing::copyLink()
{
    if (pageAddress_.isEmpty()) return false;
    QString refusal;
    const QString link = linkToRun(&refusal);
    if (!refusal.isEmpty()) {
        refuse_(refusal);
        return false;
    }
    QGuiApplication::clipboard()->setText(link);
    return true;
}

void LinkSharing::showLinkQr()
{
    if (pageAddress_.isEmpty()) return;
    QString refusal;
    const QString link = linkToRun(&refusal);
    if (!refusal.isEmpty()) {
        refuse_(refusal);
        return;
    }
    const std::string text = link.toStdString();
    const std::optional<qr::Matrix> matrix =
        text.size() <= runlink::MaxQrCharacters ? qr::encode(text) : std::nullopt;
    if (!matrix) {
        refuse_(translation::shown(runlink::qrTooLongSentence(text.size())));
        return;
    }
    if (qrDialog_ == nullptr) qrDialog_ = new QrDialog(&window_);
    qrDialog_->showCode(*matrix, link);
    qrDialog_->show();
    qrDialog_->raise();
}
