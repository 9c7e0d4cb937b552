#include "qt/web_view.h"
#include "qt/game_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "qt/control_widget.h"

namespace dravonelle {

namespace {

// A page larger than this is not a banner: the fetch is given up.
constexpr qint64 kMaxPageBytes = 512 * 1024;

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

// The media type of a Content-Type value, lower case, without parameters.
QString mediaType(const QString& contentType) {
    return contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
}

bool isHtml(const QString& contentType) {
    const QString type = mediaType(contentType);
    return type == QLatin1String("text/html") || type == QLatin1String("application/xhtml+xml");
}

// A page's bytes as text: the charset the server names, else the one the
// page declares, else UTF-8.
QString decodePage(const QByteArray& bytes, const QString& contentType) {
    for (const QString& parameter : contentType.split(QLatin1Char(';')).mid(1)) {
        const QString p = parameter.trimmed();
        if (!p.startsWith(QLatin1String("charset="), Qt::CaseInsensitive)) continue;
        QString name = p.mid(8).trimmed();
        name.remove(QLatin1Char('"'));
        QStringDecoder named(name.toLatin1().constData());
        if (named.isValid()) return named.decode(bytes);
    }
    if (const auto declared = QStringConverter::encodingForHtml(bytes)) return QStringDecoder(*declared).decode(bytes);
    return QString::fromUtf8(bytes);
}

}  // namespace

// ---- the page view -----------------------------------------------------------

// A read-only page inside its host, over the whole of it: no frame, no scroll
// bars, no focus, no links followed, transparent to the pointer (the host's
// control hears it, as any control of the game), and see-through where the
// page paints no background, so the holder's picture shows behind the text.
// Only pictures given in the page itself (data: addresses) are shown.
class PageView : public QTextBrowser {
public:
    PageView(QWidget& host, std::function<void()> firstPaint)
        : QTextBrowser(&host), firstPaint_(std::move(firstPaint)) {
        setObjectName(QStringLiteral("page"));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setOpenLinks(false);
        setOpenExternalLinks(false);
        setReadOnly(true);
        setTextInteractionFlags(Qt::NoTextInteraction);
        setFocusPolicy(Qt::NoFocus);
        setContextMenuPolicy(Qt::NoContextMenu);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
        setAutoFillBackground(false);
        viewport()->setAutoFillBackground(false);
        QPalette see = palette();
        see.setColor(QPalette::Base, Qt::transparent);
        setPalette(see);
        document()->setDocumentMargin(0);
        setGeometry(host.rect());
        host.installEventFilter(this);
        // Shown with its host (a new child of a visible widget is hidden).
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
        return QTextBrowser::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent* event) override {
        QTextBrowser::paintEvent(event);
        if (firstPaint_) {
            const auto told = std::move(firstPaint_);
            firstPaint_ = nullptr;
            told();
        }
    }

    QVariant loadResource(int type, const QUrl& name) override {
        (void)type;
        if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) != 0) return {};
        // data:[<type>][;base64],<data>
        const QByteArray whole = name.toEncoded();
        const qsizetype comma = whole.indexOf(',');
        if (comma < 0) return {};
        const QByteArray head = whole.mid(5, comma - 5);
        const QByteArray payload = QByteArray::fromPercentEncoding(whole.mid(comma + 1));
        return head.endsWith(";base64") ? QByteArray::fromBase64(payload) : payload;
    }

private:
    std::function<void()> firstPaint_;
};

// ---- the panels --------------------------------------------------------------

QtWebView::QtWebView(QString pageFolder, QObject* parent)
    : QObject(parent),
      pageFolder_(pageFolder.isEmpty() ? gameFilesFolder() : std::move(pageFolder)) {}

QtWebView::~QtWebView() = default;

void QtWebView::attach(QWidget& window) {
    for (ControlWidget* w : window.findChildren<ControlWidget*>()) {
        if (w->control().kind() == ControlKind::Web) addHost(w->control().name(), *w);
    }
}

void QtWebView::addHost(const std::string& name, QWidget& host) {
    Panel& panel = panels_[name];
    std::erase_if(panel.hosts, [](const QPointer<QWidget>& h) { return h.isNull(); });
    for (const QPointer<QWidget>& h : panel.hosts) {
        if (h == &host) return;
    }
    panel.hosts.emplace_back(&host);
    if (!panel.html.isEmpty() || !panel.pending.isEmpty()) viewFor(host)->setHtml(panel.html);
}

QTextBrowser* QtWebView::viewIn(const QWidget& host) {
    return host.findChild<QTextBrowser*>(QStringLiteral("page"), Qt::FindDirectChildrenOnly);
}

PageView* QtWebView::viewFor(QWidget& host) {
    if (auto* known = host.findChild<PageView*>(QStringLiteral("page"), Qt::FindDirectChildrenOnly)) return known;
    QPointer<QtWebView> self(this);
    return new PageView(host, [self] {
        if (self) self->viewPainted();
    });
}

void QtWebView::show(const std::string& name, Panel& panel, const QString& html) {
    (void)name;
    panel.html = html;
    std::erase_if(panel.hosts, [](const QPointer<QWidget>& h) { return h.isNull(); });
    for (const QPointer<QWidget>& host : panel.hosts) viewFor(*host)->setHtml(html);
}

QString QtWebView::installedCopy(const QUrl& address) const {
    const QString file = address.fileName();
    if (file.isEmpty()) return {};
    QFile page(QDir(pageFolder_).filePath(file));
    if (!page.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(page.readAll());
}

void QtWebView::navigate(const std::string& name, const std::string& address) {
    Panel& panel = panels_[name];
    ++panel.generation;
    panel.pending.clear();
    if (panel.reply) {
        QNetworkReply* old = panel.reply;
        panel.reply = nullptr;
        old->abort();  // its end is no longer this panel's business
    }
    const QString text = QString::fromStdString(address);
    const QUrl url(text);
    if (isWebAddress(url)) {
        // The installed copy until the page comes, and if it never does.
        panel.pending = url;
        show(name, panel, installedCopy(url));
        if (painted_) QTimer::singleShot(0, this, [this, name] { startFetch(name); });
        return;
    }
    const QString path = url.scheme() == QLatin1String("file") ? url.toLocalFile() : text;
    // A missing file shows our installed copy of that name (the logo page is
    // named in the data files' folder, and installed it is with the game's
    // files); with none, the panel is empty: its holder shows through.
    QFile page(path);
    const bool readable = !path.isEmpty() && page.open(QIODevice::ReadOnly);
    show(name, panel, readable ? QString::fromUtf8(page.readAll()) : installedCopy(QUrl::fromLocalFile(path)));
}

void QtWebView::viewPainted() {
    // The first page view on the screen: the window is up, the network may
    // come now, once the paint is over.
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [this] {
        for (const auto& [name, panel] : panels_) {
            if (!panel.pending.isEmpty()) startFetch(name);
        }
    });
}

QNetworkAccessManager& QtWebView::network() {
    if (!network_) network_ = new QNetworkAccessManager(this);
    return *network_;
}

void QtWebView::startFetch(const std::string& name) {
    Panel& panel = panels_[name];
    if (panel.pending.isEmpty()) return;
    QNetworkRequest request(panel.pending);
    panel.pending.clear();
    request.setTransferTimeout(kTimeoutMs);
    request.setMaximumRedirectsAllowed(3);
    request.setRawHeader("Accept", "text/html, application/xhtml+xml");
    QNetworkReply* reply = network().get(request);
    panel.reply = reply;
    const unsigned generation = panel.generation;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxPageBytes) reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, name, generation, reply] { fetched(name, generation, reply); });
}

void QtWebView::fetched(const std::string& name, unsigned generation, QNetworkReply* reply) {
    reply->deleteLater();
    Panel& panel = panels_[name];
    if (generation != panel.generation) return;  // the panel went elsewhere since
    panel.reply = nullptr;
    const QString contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    bool shown = false;
    if (reply->error() == QNetworkReply::NoError && status == 200 && isHtml(contentType)) {
        const QByteArray bytes = reply->readAll();
        if (bytes.size() <= kMaxPageBytes) {
            show(name, panel, decodePage(bytes, contentType));
            shown = true;
        }
    }
    emit fetchEnded(QString::fromStdString(name), shown);
}

}  // namespace dravonelle
