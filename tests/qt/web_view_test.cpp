// The web panels offscreen: a file's path shows the file; a web address
// shows the installed copy at once and the page once a server on the
// loopback sends it; an address that fails, answers too late, or sends
// something other than HTML leaves the installed copy; a missing file leaves
// the panel empty. Our own pages are self-contained and say what they must.
// And the connectivity check answers "offline" when the tests ask it to.
#include "qt/web_view.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QNetworkInformation>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "window/controls/control_model.h"
#include "qt/connectivity.h"
#include "qt/control_style.h"
#include "qt/control_widget.h"
#include "qt/main_window.h"
#include "qt/picture_recipes.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

// The pages the build copied beside the program.
const QString kBuildPages = QStringLiteral(DRAVONELLE_PAGE_FOLDER);

// ---- a web server on the loopback --------------------------------------------

QByteArray httpResponse(int status, const QByteArray& contentType, const QByteArray& body) {
    QByteArray reason = status == 200 ? "OK" : "Not Found";
    return "HTTP/1.1 " + QByteArray::number(status) + " " + reason + "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Answers every request with RESPONSE; with none, reads the request and
// never answers.
class LoopbackServer : public QObject {
public:
    explicit LoopbackServer(QByteArray response = {}) : response_(std::move(response)) {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    QByteArray& request = requests_[socket];
                    request += socket->readAll();
                    if (!request.contains("\r\n\r\n") || response_.isEmpty()) return;
                    ++answered_;
                    socket->write(response_);
                    socket->disconnectFromHost();
                });
            }
        });
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort()); }
    int answered() const { return answered_; }
    int connections() const { return static_cast<int>(requests_.size()); }

private:
    QTcpServer server_;
    QByteArray response_;
    std::map<QTcpSocket*, QByteArray> requests_;
    int answered_ = 0;
};

// A port of the loopback where nothing listens.
quint16 closedPort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// ---- the panel ---------------------------------------------------------------

class WebViewTest : public ::testing::Test {
protected:
    WebViewTest() {
        writePage("pub0.htm", "<p>Copie installée de la bannière</p>");
        host.resize(140, 52);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
        web.addHost("Pub0Web", host);
    }

    void writePage(const QString& name, const QByteArray& html) {
        QFile file(QDir(pages.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }

    QString shown() const {
        const QTextBrowser* view = QtWebView::viewIn(host);
        return view ? view->toPlainText() : QString();
    }

    // Waits for the panel's fetch to end, at most MS; true when the page
    // replaced the installed copy.
    std::optional<bool> fetchEnds(QSignalSpy& ended, int ms = 8000) {
        if (ended.isEmpty() && !ended.wait(ms)) return std::nullopt;
        return ended.takeFirst().at(1).toBool();
    }

    QTemporaryDir pages;
    QWidget host;
    QtWebView web{pages.path()};
};

TEST_F(WebViewTest, AFilesPathShowsThePage) {
    writePage("page.htm", "<html><body><p>Battez votre <b>record</b> en 2 tirages !</p></body></html>");
    web.navigate("Pub0Web", QDir(pages.path()).filePath("page.htm").toStdString());
    EXPECT_EQ(shown(), QStringLiteral("Battez votre record en 2 tirages !"));
    // Read as UTF-8, accents and all; no network for a file.
    writePage("accents.htm", "<p>Dravonelle — le Yam à cinq colonnes</p>");
    web.navigate("Pub0Web", QDir(pages.path()).filePath("accents.htm").toStdString());
    EXPECT_EQ(shown(), QStringLiteral("Dravonelle — le Yam à cinq colonnes"));
    QTest::qWait(50);
    EXPECT_FALSE(web.networkMade());
}

TEST_F(WebViewTest, TheViewIsAQuietPartOfItsHolder) {
    writePage("page.htm", "<p><a href=\"http://example.invalid/\">un lien</a></p>");
    web.navigate("Pub0Web", QDir(pages.path()).filePath("page.htm").toStdString());
    QTextBrowser* view = QtWebView::viewIn(host);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->geometry(), host.rect());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(view->openLinks());
    EXPECT_FALSE(view->openExternalLinks());
    EXPECT_EQ(view->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(view->testAttribute(Qt::WA_TransparentForMouseEvents));
    // It follows its holder's size, and hides with it.
    host.resize(192, 32);
    EXPECT_EQ(view->geometry(), host.rect());
    host.hide();
    EXPECT_FALSE(view->isVisible());
}

TEST_F(WebViewTest, AWebAddressShowsTheServedPage) {
    LoopbackServer server(httpResponse(200, "text/html; charset=utf-8", "<p>Page du serveur, à jour</p>"));
    QSignalSpy ended(&web, &QtWebView::fetchEnded);
    web.navigate("Pub0Web", (server.base() + "pub0.htm").toStdString());
    // The installed copy at once, the served page when it comes.
    EXPECT_EQ(shown(), QStringLiteral("Copie installée de la bannière"));
    EXPECT_EQ(fetchEnds(ended), std::optional<bool>(true));
    EXPECT_EQ(shown(), QStringLiteral("Page du serveur, à jour"));
    EXPECT_EQ(server.answered(), 1);
}

TEST_F(WebViewTest, NothingListeningLeavesTheInstalledCopy) {
    QSignalSpy ended(&web, &QtWebView::fetchEnded);
    web.navigate("Pub0Web", QStringLiteral("http://127.0.0.1:%1/pub0.htm").arg(closedPort()).toStdString());
    EXPECT_EQ(fetchEnds(ended), std::optional<bool>(false));
    EXPECT_EQ(shown(), QStringLiteral("Copie installée de la bannière"));
}

TEST_F(WebViewTest, AServerThatNeverAnswersIsGivenUpAfterTheTimeout) {
    LoopbackServer silent;
    QSignalSpy ended(&web, &QtWebView::fetchEnded);
    QElapsedTimer clock;
    clock.start();
    web.navigate("Pub0Web", (silent.base() + "pub0.htm").toStdString());
    EXPECT_EQ(fetchEnds(ended, QtWebView::kTimeoutMs + 5000), std::optional<bool>(false));
    EXPECT_GE(clock.elapsed(), QtWebView::kTimeoutMs - 500);
    EXPECT_LT(clock.elapsed(), QtWebView::kTimeoutMs + 3000);
    EXPECT_EQ(silent.connections(), 1);
    EXPECT_EQ(shown(), QStringLiteral("Copie installée de la bannière"));
}

TEST_F(WebViewTest, WhatIsNotAnHtmlPageLeavesTheInstalledCopy) {
    for (const QByteArray& response :
         {httpResponse(200, "image/png", "\x89PNG not a page"), httpResponse(200, "text/plain", "<p>texte brut</p>"),
          httpResponse(404, "text/html", "<p>Introuvable</p>")}) {
        LoopbackServer server(response);
        QSignalSpy ended(&web, &QtWebView::fetchEnded);
        web.navigate("Pub0Web", (server.base() + "pub0.htm").toStdString());
        EXPECT_EQ(fetchEnds(ended), std::optional<bool>(false)) << response.left(40).toStdString();
        EXPECT_EQ(shown(), QStringLiteral("Copie installée de la bannière"));
    }
}

TEST_F(WebViewTest, AMissingFileLeavesThePanelEmpty) {
    web.navigate("Pub0Web", QDir(pages.path()).filePath("pub0.htm").toStdString());
    EXPECT_FALSE(shown().isEmpty());
    web.navigate("Pub0Web", QDir(pages.path()).filePath("nulle-part.htm").toStdString());
    EXPECT_TRUE(shown().isEmpty());
    web.navigate("Pub0Web", "");
    EXPECT_TRUE(shown().isEmpty());
    // A web address with no installed copy is empty until its page comes.
    QSignalSpy ended(&web, &QtWebView::fetchEnded);
    web.navigate("Pub0Web", QStringLiteral("http://127.0.0.1:%1/absente.htm").arg(closedPort()).toStdString());
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(fetchEnds(ended), std::optional<bool>(false));
    EXPECT_TRUE(shown().isEmpty());
}

// A newer address wins over a fetch still under way.
TEST_F(WebViewTest, TheLastAddressWins) {
    LoopbackServer silent;
    QSignalSpy ended(&web, &QtWebView::fetchEnded);
    web.navigate("Pub0Web", (silent.base() + "pub0.htm").toStdString());
    QTest::qWait(100);
    writePage("logo.htm", "<p>Le logo</p>");
    web.navigate("Pub0Web", QDir(pages.path()).filePath("logo.htm").toStdString());
    QTest::qWait(QtWebView::kTimeoutMs + 500);
    EXPECT_TRUE(ended.isEmpty());
    EXPECT_EQ(shown(), QStringLiteral("Le logo"));
}

// Until a page view has been painted, the network is not touched: the window
// shows first, with its installed copies.
TEST(WebViewStart, TheNetworkWaitsForTheFirstPaint) {
    QTemporaryDir pages;
    {
        QFile copy(QDir(pages.path()).filePath("pub1.htm"));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write("<p>Battez votre record</p>");
    }
    LoopbackServer server(httpResponse(200, "text/html", "<p>Nouvelle bannière</p>"));
    QtWebView web(pages.path());
    QWidget host;
    host.resize(192, 32);
    web.addHost("Pub1Web", host);
    QSignalSpy ended(&web, &QtWebView::fetchEnded);
    web.navigate("Pub1Web", (server.base() + "pub1.htm").toStdString());
    QTest::qWait(200);
    EXPECT_FALSE(web.networkMade());
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(QtWebView::viewIn(host)->toPlainText(), QStringLiteral("Battez votre record"));
    host.show();
    ASSERT_TRUE(ended.wait(8000));
    EXPECT_TRUE(ended.at(0).at(1).toBool());
    EXPECT_TRUE(web.networkMade());
    EXPECT_EQ(QtWebView::viewIn(host)->toPlainText(), QStringLiteral("Nouvelle bannière"));
}

// `LogoWeb` is in the consent window and in the main window: each live host
// shows the page, and a host gone is forgotten.
TEST(WebViewHosts, EveryLiveHostOfAPanelShowsItsPage) {
    QTemporaryDir pages;
    QtWebView web(pages.path());
    QWidget main;
    auto consent = std::make_unique<QWidget>();
    web.addHost("LogoWeb", *consent);
    web.addHost("LogoWeb", main);
    web.addHost("LogoWeb", main);  // once is enough
    const QString logo = QDir(kBuildPages).filePath(QStringLiteral("logovel200.htm"));
    web.navigate("LogoWeb", logo.toStdString());
    EXPECT_TRUE(QtWebView::viewIn(main)->toPlainText().contains(QStringLiteral("Dravonelle")));
    EXPECT_TRUE(QtWebView::viewIn(*consent)->toPlainText().contains(QStringLiteral("Dravonelle")));
    EXPECT_EQ(main.findChildren<QTextBrowser*>().size(), 1);
    consent.reset();
    web.navigate("LogoWeb", QDir(pages.path()).filePath("absent.htm").toStdString());
    EXPECT_TRUE(QtWebView::viewIn(main)->toPlainText().isEmpty());
    // A host that comes later shows what the panel shows.
    web.navigate("LogoWeb", logo.toStdString());
    QWidget late;
    web.addHost("LogoWeb", late);
    EXPECT_TRUE(QtWebView::viewIn(late)->toPlainText().contains(QStringLiteral("Dravonelle")));
}

// The main window's Web-kind controls host their panels.
TEST(WebViewHosts, TheWindowsWebControlsHostTheirPanels) {
    ControlModel model;
    model.setMeasure(measureCaption);
    buildMainWindow(model);
    MainWindow window(model, [](const Event&) {});
    QtWebView web(kBuildPages);
    web.attach(window);
    for (const char* panel : {"Pub0Web", "Pub1Web", "LogoWeb"}) {
        web.navigate(panel, QDir(kBuildPages).filePath(QStringLiteral("pub0.htm")).toStdString());
        ControlWidget* host = window.widgetOf(model.at(panel).id());
        ASSERT_TRUE(host) << panel;
        ASSERT_TRUE(QtWebView::viewIn(*host)) << panel;
        EXPECT_TRUE(QtWebView::viewIn(*host)->toPlainText().contains(QStringLiteral("Dravonelle"))) << panel;
    }
}

// ---- our pages ---------------------------------------------------------------

QByteArray ourPage(const char* name) {
    QFile file(QDir(kBuildPages).filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST(OurPages, AreInstalledSelfContainedAndInFrench) {
    const std::map<const char*, const char*> says{{"pub0.htm", "le Yam à cinq colonnes"},
                                                   {"pub1.htm", "Battez votre record en 2 tirages !"},
                                                   {"logovel200.htm", "Dravonelle"}};
    for (const auto& [name, text] : says) {
        const QByteArray bytes = ourPage(name);
        const QString html = QString::fromUtf8(bytes);
        EXPECT_TRUE(html.contains(QStringLiteral("lang=\"fr\""))) << name;
        // Nothing from elsewhere: no scripts, style sheets, frames, or
        // pictures other than data: ones.
        for (const char* outside : {"<script", "<link", "<iframe", "url(", "@import", "http:", "https:"}) {
            EXPECT_FALSE(html.contains(QLatin1String(outside), Qt::CaseInsensitive)) << name << ": " << outside;
        }
        const QRegularExpression source(QStringLiteral("src\\s*=\\s*[\"']?(?!data:)"),
                                        QRegularExpression::CaseInsensitiveOption);
        EXPECT_FALSE(source.match(html).hasMatch()) << name;

        QTextBrowser view;
        view.setHtml(html);
        EXPECT_TRUE(view.toPlainText().contains(QString::fromUtf8(text))) << name;
    }
}

// With DRAVONELLE_PAGE_SHEET=<file.png>, our pages as the window shows them
// (the banners on their panels' paper, the logo page on its background), at
// twice their size, to look at them.
TEST(OurPages, SheetOnRequest) {
    const QString file = qEnvironmentVariable("DRAVONELLE_PAGE_SHEET");
    if (file.isEmpty()) GTEST_SKIP() << "no sheet asked for";
    QtWebView web(kBuildPages);
    QWidget sheet;
    sheet.setAutoFillBackground(true);
    QPalette back = sheet.palette();
    back.setColor(QPalette::Window, QColor(214, 203, 178));
    sheet.setPalette(back);
    sheet.resize(440, 290);
    struct Panel {
        const char* name;
        const char* page;
        QRect place;
        bool logo;
    };
    for (const Panel& panel : {Panel{"Pub0Web", "pub0.htm", QRect(20, 20, 140, 52), false},
                               Panel{"Pub1Web", "pub1.htm", QRect(200, 30, 192, 32), false},
                               Panel{"LogoWeb", "logovel200.htm", QRect(20, 110, 400, 156), true}}) {
        auto* holder = new QWidget(&sheet);
        holder->setGeometry(panel.place);
        holder->setAutoFillBackground(true);
        QPalette paper = holder->palette();
        if (panel.logo) {
            paper.setBrush(QPalette::Window, QBrush(paintPicture("LogoFond", 1)));
        } else {
            paper.setColor(QPalette::Window, QColor(250, 246, 232));
        }
        holder->setPalette(paper);
        auto* host = new QWidget(holder);
        host->setGeometry(panel.logo ? QRect(8, 8, 384, 140) : QRect(QPoint(0, 0), panel.place.size()));
        web.addHost(panel.name, *host);
        web.navigate(panel.name, QDir(kBuildPages).filePath(QString::fromLatin1(panel.page)).toStdString());
    }
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    QImage image(sheet.size() * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    sheet.render(&image);
    EXPECT_TRUE(image.save(file));
}

// ---- connectivity --------------------------------------------------------------

TEST(Connectivity, TheTestsCanSayOffline) {
    const QByteArray before = qgetenv("DRAVONELLE_OFFLINE");
    qputenv("DRAVONELLE_OFFLINE", "1");
    QtConnectivity network;
    EXPECT_FALSE(network.online());
    EXPECT_FALSE(network.online());
    if (before.isNull()) {
        qunsetenv("DRAVONELLE_OFFLINE");
    } else {
        qputenv("DRAVONELLE_OFFLINE", before);
    }
}

TEST(Connectivity, AnswersWithoutTheTestsSay) {
    if (qEnvironmentVariable("DRAVONELLE_OFFLINE") == QLatin1String("1")) GTEST_SKIP() << "offline asked for";
    QtConnectivity network;
    QElapsedTimer clock;
    clock.start();
    const bool online = network.online();
    // Whatever the machine's state, the answer comes quickly and agrees with
    // itself; without a system backend it is the interfaces' answer.
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(network.online(), online);
    if (!QNetworkInformation::instance()) {
        EXPECT_EQ(online, QtConnectivity::anyInterfaceConnected());
    }
}

}  // namespace
}  // namespace dravonelle
