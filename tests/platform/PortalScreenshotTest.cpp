// The desktop portal's Screenshot request, answered by a small fake portal on a private
// session bus that the test starts itself.

#include "platform/PortalScreenshot.h"

#include "support/TempDir.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <fstream>

namespace lodrin {
namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// A private bus: a dbus-daemon of its own, listening in a temporary folder.
class TPrivateBus {
public:
    explicit TPrivateBus(const std::filesystem::path& folder) {
        const std::filesystem::path config = folder / "bus.conf";
        std::ofstream(config) << "<busconfig><type>session</type><listen>unix:dir="
                              << folder.string()
                              << "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                                 "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                 "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                                 "</busconfig>";
        Daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--config-file=") + QString::fromStdString(config.string()),
                       QStringLiteral("--print-address"), QStringLiteral("--nofork")});
        if (Daemon_.waitForStarted() && Daemon_.waitForReadyRead()) {
            Address = QString::fromUtf8(Daemon_.readLine()).trimmed();
        }
    }
    ~TPrivateBus() {
        Daemon_.kill();
        Daemon_.waitForFinished();
    }
    QString Address;

private:
    QProcess Daemon_;
};

// The portal's Screenshot interface as the test wants it to answer.
class TFakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit TFakePortal(QDBusConnection bus) : Bus_(std::move(bus)) {}

    uint Response = 0;
    QString Uri;
    bool Silent = false; // never sends the Response signal
    QVariantMap Options;

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options,
                               const QDBusMessage& message) {
        Options = options;
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path = PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') +
                             options.value(QStringLiteral("handle_token")).toString();
        if (!Silent) {
            QTimer::singleShot(0, this, [this, path] {
                QDBusMessage signal = QDBusMessage::createSignal(
                    path, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"));
                signal << Response << QVariantMap{{QStringLiteral("uri"), Uri}};
                Bus_.send(signal);
            });
        }
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection Bus_;
};

class PortalScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            GTEST_SKIP() << "dbus-daemon is not installed (tools/setup.sh installs it)";
        }
        ASSERT_FALSE(bus.Address.isEmpty()) << "the private bus did not start";
        ASSERT_TRUE(service.isConnected());
        ASSERT_TRUE(client.isConnected());
        ASSERT_TRUE(service.registerObject(PortalPath, &portal, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(PortalService));
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("portal-service"));
        QDBusConnection::disconnectFromBus(QStringLiteral("portal-client"));
    }

    // A picture file of one colour; its file:// address.
    QString PictureFile(const char* name, const QColor& colour) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(colour);
        const QString path = QString::fromStdString((temp.Path() / name).string());
        EXPECT_TRUE(picture.save(path));
        return QUrl::fromLocalFile(path).toString();
    }

    test::TempDir temp;
    TPrivateBus bus{temp.Path()};
    QDBusConnection service =
        QDBusConnection::connectToBus(bus.Address, QStringLiteral("portal-service"));
    QDBusConnection client =
        QDBusConnection::connectToBus(bus.Address, QStringLiteral("portal-client"));
    TFakePortal portal{service};
};

TEST_F(PortalScreenshotTest, TheAnsweredFileBecomesThePicture) {
    portal.Uri = PictureFile("screen.png", QColor(30, 120, 220));
    const ScreenShot shot = PortalScreenshot(client, 30000);
    ASSERT_TRUE(shot.Ok()) << shot.Problem.toStdString();
    EXPECT_EQ(shot.Picture.size(), QSize(64, 48));
    EXPECT_EQ(shot.Picture.pixelColor(10, 10), QColor(30, 120, 220));
    EXPECT_EQ(portal.Options.value(QStringLiteral("interactive")).toBool(), false);
    EXPECT_TRUE(portal.Options.value(QStringLiteral("handle_token"))
                    .toString()
                    .startsWith(QStringLiteral("lodrin_")));
}

TEST_F(PortalScreenshotTest, EveryFailureGivesItsMessageAndNoPicture) {
    const QString black = PictureFile("black.png", Qt::black);
    const QString missing =
        QUrl::fromLocalFile(QString::fromStdString((temp.Path() / "gone.png").string())).toString();
    const struct {
        uint response;
        QString uri;
        bool silent;
        const char* problem;
    } cases[] = {
        {1, PictureFile("a.png", Qt::red), false, CaptureMessages::Refused},
        {2, QString(), false, CaptureMessages::Refused},
        {0, missing, false, CaptureMessages::Unreadable},
        {0, black, false, CaptureMessages::Blank},
        {0, black, true, CaptureMessages::NoAnswer},
    };
    for (const auto& c : cases) {
        portal.Response = c.response;
        portal.Uri = c.uri;
        portal.Silent = c.silent;
        const ScreenShot shot = PortalScreenshot(client, c.silent ? 1 : 30000);
        EXPECT_FALSE(shot.Ok());
        EXPECT_TRUE(shot.Picture.isNull());
        EXPECT_EQ(shot.Problem, QString::fromUtf8(c.problem)) << c.response;
    }
    service.unregisterService(PortalService);
    EXPECT_EQ(PortalScreenshot(client, 30000).Problem,
              QString::fromUtf8(CaptureMessages::NoPortal));
    EXPECT_EQ(PortalScreenshot(QDBusConnection(QStringLiteral("not connected")), 30000).Problem,
              QString::fromUtf8(CaptureMessages::NoPortal));
}

TEST(BlankCaptureTest, OnlyEmptyOrAllBlackPicturesAreBlank) {
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_TRUE(IsBlankCapture(QImage()));
    EXPECT_TRUE(IsBlankCapture(black));
    black.setPixelColor(7, 7, QColor(0, 0, 1));
    EXPECT_FALSE(IsBlankCapture(black));
    QImage grey(8, 8, QImage::Format_RGB32);
    grey.fill(Qt::gray);
    EXPECT_FALSE(IsBlankCapture(grey));
}

} // namespace
} // namespace lodrin

#include "PortalScreenshotTest.moc"
