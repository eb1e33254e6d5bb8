#include "fake_browser.h"

#include "platform/error.h"

namespace {

[[noreturn]] void throwObjectNotSet() {
    throw platform::Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
}

class FakeBrowser : public web::Browser {
public:
    FakeBrowser(const QHash<QString, FakePage>& pages, std::shared_ptr<FakeBrowserLog> log)
        : m_pages(pages), m_log(std::move(log)) {}
    ~FakeBrowser() override { m_log->events << QStringLiteral("release"); }

    void navigate(const QString& address) override {
        m_log->events << QStringLiteral("navigate ") + address;
        m_pending = address;
    }
    void setVisible(bool visible) override {
        m_log->visible = visible;
        m_log->events << (visible ? QStringLiteral("visible true")
                                  : QStringLiteral("visible false"));
    }
    bool isVisible() const override { return m_log->visible; }
    int readyState() const override {
        if (busy())
            return web::ReadyState::Loading;
        return m_log->address.isEmpty() ? web::ReadyState::Uninitialized
                                        : web::ReadyState::Complete;
    }
    bool busy() const override { return m_pending.has_value(); }
    QString address() const override { return m_log->address; }
    // The page asked for replaces the document here, as a real load finishes later.
    bool waitForPage(std::optional<std::chrono::milliseconds>) override {
        m_log->events << QStringLiteral("wait");
        if (m_pending) {
            m_page = m_pages.value(*m_pending);
            m_log->address = m_page.redirect.isEmpty() ? *m_pending : m_page.redirect;
            m_pending.reset();
        }
        return true;
    }

    QStringList formElementNames(int form) override {
        QStringList names;
        for (const auto& field : formAt(form).fields)
            names << field.first;
        return names;
    }
    QString fieldValue(int form, const QString& name) override {
        return fieldOf(form, name).second;
    }
    void setFieldValue(int form, const QString& name, const QString& value) override {
        fieldOf(form, name).second = value;
        m_log->events << QStringLiteral("set %1 %2=%3").arg(form).arg(name, value);
    }
    void submitForm(int form) override {
        const QString action = formAt(form).action;
        m_log->events << QStringLiteral("submit %1").arg(form);
        if (!action.isEmpty())
            m_pending = action;
    }
    QList<web::Link> links() override {
        document();
        return m_page.links;
    }
    void showFindings(const QList<check::Finding>& findings) override {
        m_log->findings = findings;
    }

private:
    FakePage& document() {
        if (m_log->address.isEmpty())
            throwObjectNotSet();
        return m_page;
    }
    FakeForm& formAt(int form) {
        FakePage& page = document();
        if (form < 0 || form >= page.forms.size())
            throwObjectNotSet();
        return page.forms[form];
    }
    std::pair<QString, QString>& fieldOf(int form, const QString& name) {
        for (auto& field : formAt(form).fields)
            if (field.first == name)
                return field;
        throwObjectNotSet();
    }

    const QHash<QString, FakePage>& m_pages;
    std::shared_ptr<FakeBrowserLog> m_log;
    FakePage m_page;                  // the loaded document, changed by setFieldValue
    std::optional<QString> m_pending; // the page being loaded
};

} // namespace

std::unique_ptr<web::Browser> FakeBrowserFactory::createBrowser(web::BrowserKind kind) {
    if (unavailable)
        throwObjectNotSet();
    browsers.push_back(std::make_shared<FakeBrowserLog>());
    browsers.back()->kind = kind;
    return std::make_unique<FakeBrowser>(pages, browsers.back());
}

web::PageView* FakeBrowserFactory::createPageView(QWidget* parent) {
    if (unavailable)
        throwObjectNotSet();
    auto* view = new FakePageView(parent);
    pageViews.emplace_back(view);
    return view;
}
