// Built into every test program, so that one started by hand, without the
// environment CTest gives it, still never reaches the real update feed or
// the real account, sign-in and sync services: each address left unset
// points at a closed port of this machine before main() runs. Tests of
// those clients point them at fake services of their own as before.

#include <QByteArray>
#include <QtGlobal>

namespace {

void pointUnsetServicesAtAClosedPort()
{
    const struct
    {
        const char* name;
        const char* address;
    } services[] = {
        {"LEDGERINE_UPDATE_URL", LEDGERINE_TEST_UPDATE_URL},
        {"AUTH_BASE_URL", LEDGERINE_TEST_SERVICE_URL "/auth"},
        {"ACCOUNT_API_URL", LEDGERINE_TEST_SERVICE_URL "/account"},
        {"SYNC_API_URL", LEDGERINE_TEST_SERVICE_URL "/sync"},
    };
    for (const auto& service : services) {
        if (!qEnvironmentVariableIsSet(service.name))
            qputenv(service.name, QByteArray(service.address));
    }
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(pointUnsetServicesAtAClosedPort)
