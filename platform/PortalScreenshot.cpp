#include "platform/PortalScreenshot.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QUuid>
#include <QVariantMap>

#include <optional>

namespace lodrin {

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

ScreenShot Failed(const char* problem) {
    return {QImage(), QString::fromUtf8(problem)};
}

// The path of the request object the portal makes for a call with this handle token.
QString RequestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService();
    if (sender.startsWith(QLatin1Char(':'))) {
        sender.remove(0, 1);
    }
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

} // namespace

// Waits for the portal's answer to one Screenshot request: the call's reply, then the
// Response signal of the request object.
class TPortalRequest : public QObject {
    Q_OBJECT
public:
    explicit TPortalRequest(QDBusConnection bus) : Bus_(std::move(bus)) {}
    ~TPortalRequest() override {
        for (const QString& path : Listened_) {
            Bus_.disconnect(PortalService, path, RequestInterface, QStringLiteral("Response"), this,
                            SLOT(OnResponse(uint, QVariantMap)));
        }
    }

    // Listens for the Response signal of the request object at path.
    void Listen(const QString& path) {
        // D-Bus signals are joined by their name and signature only.
        if (!Listened_.contains(path) &&
            Bus_.connect(PortalService, path, RequestInterface, QStringLiteral("Response"), this,
                         SLOT(OnResponse(uint, QVariantMap)))) {
            Listened_ << path;
        }
    }

    // Sends the request and runs the event loop until the answer, an error or the timeout.
    void Run(const QDBusMessage& call, int timeoutMs);

    std::optional<uint> Response; // 0 success, 1 cancelled, 2 other
    QVariantMap Results;
    bool CallFailed = false;

public slots:
    void OnResponse(uint response, const QVariantMap& results) {
        Response = response;
        Results = results;
        Loop_.quit();
    }

private:
    QDBusConnection Bus_;
    QStringList Listened_;
    QEventLoop Loop_;
};

void TPortalRequest::Run(const QDBusMessage& call, int timeoutMs) {
    QDBusPendingCallWatcher watcher(Bus_.asyncCall(call));
    connect(&watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            CallFailed = true;
            Loop_.quit();
        } else {
            Listen(reply.value().path()); // older portals choose their own path
        }
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &Loop_, &QEventLoop::quit);
    timeout.start(timeoutMs);
    Loop_.exec(QEventLoop::ExcludeUserInputEvents);
}

ScreenShot PortalScreenshot(const QDBusConnection& bus, int timeoutMs) {
    if (!bus.isConnected()) {
        return Failed(CaptureMessages::NoPortal);
    }
    const QString token = QStringLiteral("lodrin_") + QUuid::createUuid().toString(QUuid::Id128);
    TPortalRequest request(bus);
    request.Listen(RequestPath(bus, token));
    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService, PortalPath, ScreenshotInterface, QStringLiteral("Screenshot"));
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("modal"), false},
                              {QStringLiteral("interactive"), false}};
    call << QString() << options;
    request.Run(call, timeoutMs);
    if (request.CallFailed) {
        return Failed(CaptureMessages::NoPortal);
    }
    if (!request.Response) {
        return Failed(CaptureMessages::NoAnswer);
    }
    if (*request.Response != 0) {
        return Failed(CaptureMessages::Refused);
    }
    const QUrl uri(request.Results.value(QStringLiteral("uri")).toString());
    const QImage picture = uri.isLocalFile() ? QImage(uri.toLocalFile()) : QImage();
    if (picture.isNull()) {
        return Failed(CaptureMessages::Unreadable);
    }
    if (IsBlankCapture(picture)) {
        return Failed(CaptureMessages::Blank);
    }
    return {picture, QString()};
}

} // namespace lodrin

#include "PortalScreenshot.moc"
