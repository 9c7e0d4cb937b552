// Whether the machine is online, as the offline panel's timer asks every
// 20 seconds: the system's own network information where Qt has a backend
// for it (loaded at the first question, never at start-up), otherwise
// whether any network interface other than the loopback is up and running
// with an address of its own.
//
// DRAVONELLE_OFFLINE=1 in the environment makes the answer "offline" (the
// window tests show the offline panel with it).
#pragma once

#include "qt/layer.h"

#include "platform/platform.h"

namespace dravonelle {

class QtConnectivity : public Connectivity {
public:
    bool online() override;

    // The fallback alone: an interface up, running, not the loopback, with
    // an address that is neither loopback nor link-local.
    static bool anyInterfaceConnected();

private:
    bool backendTried_ = false;
};

}  // namespace dravonelle
