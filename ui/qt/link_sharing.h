// Sharing the run on screen from the desktop: View > Show Link as QR Code,
// and the address of the published page the link points at (a preference,
// or --page-url). Which run travels and every refusal come from
// frontend/run_link.h.
#pragma once

#include <QString>
#include <functional>

#include "frontend/run_link.h"

class Preferences;
class QAction;
class QMenu;
class QrDialog;
class QWidget;

class LinkSharing {
public:
    // `partsOf` gives what a link to the run on screen carries; `refuse`
    // says, in a box over `window`, why a link or code cannot be shown.
    LinkSharing(QWidget& window, Preferences& preferences, std::function<runlink::LinkParts()> partsOf,
                std::function<void(const QString&)> refuse);

    void buildActions(QMenu* view);

    // Sets where the page is published (an http, https or file address; ""
    // forgets it). Returns the sentence refusing any other, which is not kept.
    QString setPageAddress(const QString& address);
    const QString& pageAddress() const { return pageAddress_; }
    // The address the preferences remember, once they are in use.
    void takeUpPageAddress();

    // The link to the run on screen; empty, with the refusal, when it cannot travel.
    QString linkToRun(QString* refusal = nullptr) const;
    void showLinkQr();
    // View > Copy Link to Run: the link on the clipboard; false, refused, when it cannot travel.
    bool copyLink();
    QrDialog* qrDialog() const { return qrDialog_; }

private:
    void showAction();

    QWidget& window_;
    Preferences& preferences_;
    std::function<runlink::LinkParts()> partsOf_;
    std::function<void(const QString&)> refuse_;
    QString pageAddress_;
    QAction* qrAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QrDialog* qrDialog_ = nullptr;
};
