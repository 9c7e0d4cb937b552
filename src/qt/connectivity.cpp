#include "qt/connectivity.h"

#include <QHostAddress>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QtGlobal>

namespace dravonelle {

bool QtConnectivity::online() {
    if (qEnvironmentVariable("DRAVONELLE_OFFLINE") == QLatin1String("1")) return false;
    if (!backendTried_) {
        backendTried_ = true;
        // The system's backend (NetworkManager on Linux); where it is not
        // there, any backend that knows reachability.
        if (!QNetworkInformation::loadDefaultBackend())
            QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    }
    if (const QNetworkInformation* info = QNetworkInformation::instance()) {
        const auto reachability = info->reachability();
        if (reachability != QNetworkInformation::Reachability::Unknown)
            return reachability == QNetworkInformation::Reachability::Online;
    }
    return anyInterfaceConnected();
}

bool QtConnectivity::anyInterfaceConnected() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (!address.isNull() && !address.isLoopback() && !address.isLinkLocal()) return true;
        }
    }
    return false;
}

}  // namespace dravonelle
