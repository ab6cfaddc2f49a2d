// The classroom server module's entry: the one symbol the window looks up
// (classroom_server.h). Everything else here stays inside the module.
#include <QHostAddress>
#include <QNetworkInterface>
#include <vector>

#include "ui/qt/classroom_server.h"
#include "ui/qt/classroom_socket_server.h"

namespace {

ClassroomServer* makeServer(const QString& siteFolder, const std::string& joinToken,
                            const ClassroomServerHelpers& helpers, QString* error)
{
    classroom_http::Site site = classroom_http::readSite(siteFolder, error);
    if (site.isEmpty()) return nullptr;
    return new ClassroomSocketServer(std::move(site), joinToken, helpers.readStudentMessage);
}

std::string offeredHost(const QString& listening, const ClassroomServerHelpers& helpers)
{
    const QHostAddress address(listening);
    if (!listening.isEmpty() && address != QHostAddress::Any && address != QHostAddress::AnyIPv4 &&
        address != QHostAddress::AnyIPv6)
        return address.toString().toStdString();
    std::vector<std::string> addresses;
    for (const QHostAddress& own : QNetworkInterface::allAddresses())
        addresses.push_back(own.toString().toStdString());
    return helpers.chooseHost(addresses);
}

constexpr ClassroomServerModule Module{makeServer, offeredHost};

} // namespace

extern "C" Q_DECL_EXPORT const ClassroomServerModule* swdClassroomServerModule() { return &Module; }
