#pragma once

#include "browser_window.h"
#include "web/browser.h"

#include <QPointer>
#include <QVariant>

namespace web {

// A browser handle on one BrowserWindow. The window outlives the handle when it is shown
// and is gone as soon as the seller closes it, so the handle only points at it.
class WebEngineBrowser : public Browser {
public:
    explicit WebEngineBrowser(BrowserKind kind);
    ~WebEngineBrowser() override;

    void navigate(const QString& address) override;
    void setVisible(bool visible) override;
    bool isVisible() const override;
    int readyState() const override;
    bool busy() const override;
    QString address() const override;
    bool waitForPage(std::optional<std::chrono::milliseconds> limit) override;

    QStringList formElementNames(int form) override;
    QString fieldValue(int form, const QString& name) override;
    void setFieldValue(int form, const QString& name, const QString& value) override;
    void submitForm(int form) override;
    QList<Link> links() override;
    void showFindings(const QList<check::Finding>& findings) override;

private:
    BrowserWindow& window() const;
    // Runs `body` on the loaded document with `args` (a JSON array) bound to `a`, waiting
    // for the result while the user's events go on being handled. A null result means the
    // object asked for is not there.
    QVariant evaluate(const QString& body, const QVariantList& args);

    QPointer<BrowserWindow> m_window;
    bool m_navigated = false;
};

} // namespace web
