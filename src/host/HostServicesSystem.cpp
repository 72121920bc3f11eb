#include "host/HostServicesSystem.h"

#include "host/BatteryStatus.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace talix::host {

namespace {

constexpr const char* kLogindService = "org.freedesktop.login1";
constexpr const char* kManagerPath = "/org/freedesktop/login1";
constexpr const char* kManagerInterface = "org.freedesktop.login1.Manager";
constexpr const char* kOwnSessionPath = "/org/freedesktop/login1/session/auto";
constexpr const char* kSessionInterface = "org.freedesktop.login1.Session";
// The privilege question is asked on the UI thread: a hung bus must not freeze the screen long.
constexpr int kQuestionTimeoutMs = 2000;

// Plain messages rather than interface objects: those would introspect logind first, a blocking
// round trip on the UI thread.
QDBusMessage logindCall(const char* path, const char* interface, const char* method,
                        const QList<QVariant>& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(kLogindService, path, interface, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

SystemHostServices::SystemHostServices(QString classRoot) : m_classRoot(std::move(classRoot)) {}

PowerStatus SystemHostServices::powerStatus() {
    return readPowerSupplies(m_classRoot + "/power_supply");
}

void SystemHostServices::openDisplay() {
    m_display = findBacklight(m_classRoot + "/backlight");
}

void SystemHostServices::setDisplayBrightness(const BrightnessRequest& request) {
    if (!m_display || (request.policy & kPolicyBoth) == 0)
        return;
    // The host has one backlight setting; it takes the mains level when the request sets it.
    const uint8_t level =
        (request.policy & kPolicyMains) != 0 ? request.mainsLevel : request.batteryLevel;
    const long long value = backlightValue(level, m_display->maximum);
    if (!m_throughLogind && writeBacklight(*m_display, value))
        return;
    m_throughLogind = true;
    // The answer is not awaited: a refusal leaves the display as it is.
    QDBusConnection::systemBus().send(
        logindCall(kOwnSessionPath, kSessionInterface, "SetBrightness",
                   {QString("backlight"), m_display->name, QVariant::fromValue(uint32_t(value))}));
}

bool SystemHostServices::obtainShutdownPrivilege() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage answer = bus.call(logindCall(kManagerPath, kManagerInterface, "CanPowerOff"),
                                         QDBus::Block, kQuestionTimeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return false;
    // "challenge": allowed once the user authenticates, which PowerOff lets logind ask for.
    const QString verdict = answer.arguments().constFirst().toString();
    return verdict == "yes" || verdict == "challenge";
}

void SystemHostServices::powerOff() {
    // interactive: logind may ask the user to authenticate.
    QDBusConnection::systemBus().send(
        logindCall(kManagerPath, kManagerInterface, "PowerOff", {QVariant(true)}));
}

} // namespace talix::host
