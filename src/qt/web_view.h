// The web panels in the window: each panel (`Pub0Web`, `Pub1Web`,
// `LogoWeb`) is a read-only page view inside the Web-kind control of that
// name, so it moves, hides and clips with the control's holder.
//
// A file's path shows the file (UTF-8). A web address shows at once the
// installed copy of the same page (the file of the same name beside the
// program) and fetches the address in the background; the page replaces the
// copy when it arrives as HTML within the timeout, otherwise the copy stays.
// Nothing of the network is made before a page view has been painted once:
// the window shows first, with its installed copies.
#pragma once

#include "qt/layer.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

class QNetworkAccessManager;
class QNetworkReply;
class QTextBrowser;
class QWidget;

namespace dravonelle {

class PageView;

class QtWebView : public QObject, public WebView {
    Q_OBJECT

public:
    // How long a fetch may go without receiving anything.
    static constexpr int kTimeoutMs = 3000;

    // The installed copies are read from PAGEFOLDER, or the game's files
    // (qt/game_files.h).
    explicit QtWebView(QString pageFolder = QString(), QObject* parent = nullptr);
    ~QtWebView() override;

    // Every Web-kind control of WINDOW hosts the panel of its name.
    void attach(QWidget& window);
    // HOST shows PANEL from now on, beside the panel's other live hosts (the
    // consent window and the main window both have a `LogoWeb`: each shows
    // the page). A host gone is forgotten.
    void addHost(const std::string& panel, QWidget& host);

    void navigate(const std::string& panel, const std::string& address) override;

    // The page view inside HOST, nullptr before the host has shown a page.
    static QTextBrowser* viewIn(const QWidget& host);
    // Whether the network has been touched yet (made at the first fetch).
    bool networkMade() const { return network_ != nullptr; }

signals:
    // A fetch of PANEL ended: SHOWN when its page replaced the installed copy.
    void fetchEnded(const QString& panel, bool shown);

private:
    struct Panel {
        std::vector<QPointer<QWidget>> hosts;
        QString html;                    // what the panel shows
        unsigned generation = 0;         // one more at every navigate
        QUrl pending;                    // to fetch once a view has been painted
        QPointer<QNetworkReply> reply;   // the fetch under way
    };

    void show(const std::string& name, Panel& panel, const QString& html);
    PageView* viewFor(QWidget& host);
    void viewPainted();
    void startFetch(const std::string& name);
    void fetched(const std::string& name, unsigned generation, QNetworkReply* reply);
    QString installedCopy(const QUrl& address) const;
    QNetworkAccessManager& network();

    QString pageFolder_;
    std::map<std::string, Panel> panels_;
    bool painted_ = false;  // a page view has been on the screen
    QNetworkAccessManager* network_ = nullptr;
};

}  // namespace dravonelle
