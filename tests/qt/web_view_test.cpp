// The web panels offscreen: a file's path shows the file; a web address
// shows the installed copy at once, touches the network only once a page
// view has been painted, and shows the page a server on the loopback sends
// unless the fetch fails, never answers or brings no HTML page; a newer
// address wins; every host of a panel shows it. Our own pages are
// self-contained and say what they must.
#include "qt/web_view.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

namespace dravonelle {
namespace {

const QString kBuildPages = QStringLiteral(DRAVONELLE_PAGE_FOLDER);
const QString kCopy = QStringLiteral("Copie installée de la bannière");

QByteArray http(int status, const QByteArray& type, const QByteArray& body) {
    return "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found") +
           "\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// A server on the loopback that answers every request with RESPONSE, or
// reads it and never answers when there is none; closed, nothing listens on
// its port.
struct LoopbackServer : QTcpServer {
    explicit LoopbackServer(const QByteArray& response, bool open = true) {
        EXPECT_TRUE(listen(QHostAddress::LocalHost, 0));
        base = QStringLiteral("http://127.0.0.1:%1/").arg(serverPort());
        if (!open) close();
        connect(this, &QTcpServer::newConnection, this, [this, response] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [socket, response] {
                    if (response.isEmpty()) return;
                    socket->write(response);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString base;
};

void write(const QString& path, const QByteArray& html) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(html);
}

// A file's path shows the file, and wins over a fetch still under way; the
// page lets the pointer through; a missing file or no address leaves the
// panel empty. A web address shows the installed copy at once and is fetched
// only once the host has been painted; then the page it brings, or the copy
// (nothing where there is none) when nothing listens, nothing answers within
// the timeout, or no HTML page comes with status 200.
TEST(WebView, ShowsAFileAtOnceAndAServedPageIfItComes) {
    QTemporaryDir pages;
    write(pages.filePath("pub0.htm"), "<p>" + kCopy.toUtf8() + "</p>");
    write(pages.filePath("page.htm"), "<p>Dravonelle — le Yam à <b>cinq</b> colonnes</p>");
    QWidget host;
    host.resize(140, 52);
    QtWebView web(pages.path());
    web.addHost("Pub0Web", host);
    QSignalSpy ended(&web, &QtWebView::fetchEnded);
    const auto shown = [&host] {
        return QtWebView::viewIn(host) ? QtWebView::viewIn(host)->toPlainText() : QString();
    };

    const struct {
        QByteArray response;
        bool open;
        QString page, after;
    } cases[] = {
        {http(200, "text/html; charset=utf-8", "<p>Page à jour</p>"), true, "pub0.htm", "Page à jour"},
        {{}, false, "pub0.htm", kCopy},
        {{}, false, "absente.htm", ""},
        {{}, true, "pub0.htm", kCopy},
        {http(200, "image/png", "\x89PNG not a page"), true, "pub0.htm", kCopy},
        {http(200, "text/plain", "<p>texte brut</p>"), true, "pub0.htm", kCopy},
        {http(404, "text/html", "<p>Introuvable</p>"), true, "pub0.htm", kCopy}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page.toStdString() + " " + c.response.left(40).toStdString());
        LoopbackServer server(c.response, c.open);
        ended.clear();
        web.navigate("Pub0Web", (server.base + c.page).toStdString());
        EXPECT_EQ(shown(), c.page == "pub0.htm" ? kCopy : QString());
        if (!host.isVisible()) {
            QTest::qWait(200);
            EXPECT_FALSE(web.networkMade());
            host.show();
        }
        ASSERT_TRUE(ended.wait(QtWebView::kTimeoutMs + 5000));
        EXPECT_EQ(shown(), c.after);
    }

    LoopbackServer silent({});
    ended.clear();
    web.navigate("Pub0Web", (silent.base + "pub0.htm").toStdString());
    QTest::qWait(100);
    web.navigate("Pub0Web", pages.filePath("page.htm").toStdString());
    EXPECT_EQ(shown(), QStringLiteral("Dravonelle — le Yam à cinq colonnes"));
    EXPECT_TRUE(QtWebView::viewIn(host)->testAttribute(Qt::WA_TransparentForMouseEvents));
    QTest::qWait(QtWebView::kTimeoutMs + 500);
    EXPECT_TRUE(ended.isEmpty());
    EXPECT_EQ(shown(), QStringLiteral("Dravonelle — le Yam à cinq colonnes"));
    for (const QString& gone : {pages.filePath("nulle-part.htm"), QString()}) {
        web.navigate("Pub0Web", gone.toStdString());
        EXPECT_TRUE(shown().isEmpty()) << gone.toStdString();
    }
}

// Our pages are self-contained: no scripts, style sheets, frames, or
// pictures other than data: ones. `LogoWeb` is in the consent window and in
// the main one: each live host shows the page, once however often it is
// added, one that comes later too, and a host gone is forgotten.
TEST(OurPages, ShowInEveryLiveHostOfTheirPanel) {
    QtWebView web(kBuildPages);
    QWidget main, late;
    auto consent = std::make_unique<QWidget>();
    for (QWidget* host : {consent.get(), &main, &main}) web.addHost("LogoWeb", *host);
    const auto shows = [](const QWidget& host, const char* text) {
        return QtWebView::viewIn(host) &&
               QtWebView::viewIn(host)->toPlainText().contains(QString::fromUtf8(text));
    };
    const QRegularExpression outside(
        QStringLiteral("<script|<link|<iframe|url\\(|@import|https?:|src\\s*=\\s*[\"']?(?!data:)"),
        QRegularExpression::CaseInsensitiveOption);
    for (const auto& [name, text] : {std::pair{"pub0.htm", "le Yam à cinq colonnes"},
                                     {"pub1.htm", "Battez votre record en 2 tirages !"},
                                     {"logovel200.htm", "Dravonelle"}}) {
        QFile file(QDir(kBuildPages).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_FALSE(QString::fromUtf8(file.readAll()).contains(outside)) << name;
        web.navigate("LogoWeb", QDir(kBuildPages).filePath(name).toStdString());
        EXPECT_TRUE(shows(main, text) && shows(*consent, text)) << name;
    }
    EXPECT_EQ(main.findChildren<QTextBrowser*>().size(), 1);
    consent.reset();
    web.addHost("LogoWeb", late);
    EXPECT_TRUE(shows(late, "Dravonelle"));
    web.navigate("LogoWeb", "");
    EXPECT_FALSE(shows(main, "Dravonelle") || shows(late, "Dravonelle"));
}

}  // namespace
}  // namespace dravonelle
