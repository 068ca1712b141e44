#pragma once

#include <QMap>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class Forms;
class QMdiArea;
class QMdiSubWindow;
struct Services;

// A window of the program. Every window exists once per run: it is created on first reference,
// runs Form_Initialize and then Form_Load once, and afterwards is only shown and hidden.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        MdiParent, // the main window
        MdiChild,  // inside the main window
        TopLevel,  // a window of its own, shown modally
        Holder     // never shown (it only holds a pop-up menu)
    };

    Form(Forms& forms, const QString& name, Kind kind, const QString& caption, int widthTwips,
         int heightTwips);

    Kind kind() const { return kind_; }
    // Whether the member may close the window through its frame (it is then only hidden). A
    // window closed that way must leave something to go on with, so only windows that can be
    // opened again from everywhere (settings, About) offer it.
    bool frameClosable() const { return frameClosable_; }
    Forms& forms() const { return forms_; }
    Services& services() const;

    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_MouseDown(int /*button*/) {}

signals:
    void hidden();

protected:
    void setBackgroundPicture(const QPixmap& p) { background_ = p; }
    void setFrameClosable(bool on) { frameClosable_ = on; }
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Forms& forms_;
    Kind kind_;
    QPixmap background_;
    bool frameClosable_ = false;
};

// The one registry of the program's windows: creates each on its first reference and shows and
// hides them. Windows refer to each other by name, as the handlers do.
class Forms final {
public:
    using Factory = std::function<Form*(Forms&)>;

    explicit Forms(Services& services);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    Services& services() const { return services_; }

    void add(const QString& name, Factory factory);

    // First reference creates the window and runs Form_Initialize and Form_Load.
    Form& get(const QString& name);
    template <class T> T& as(const QString& name) { return dynamic_cast<T&>(get(name)); }
    bool exists(const QString& name) const { return made_.contains(name); }

    void show(const QString& name);
    // Runs `then` once the window is next shown, or now if it is shown; a later call for the
    // same window replaces an earlier one that has not run.
    void whenShown(const QString& name, std::function<void()> then);
    // Shows the window modally and waits, with events still running, until it is hidden.
    void showModal(const QString& name);
    void hide(const QString& name);
    // Created and not hidden (for an MDI child: its frame in the main window).
    bool isShown(const QString& name) const;

    // The main window's area for the child windows; the main window is shown first, as the
    // first child's Show brings it up.
    QMdiArea* shownMdiArea();
    QMdiSubWindow* frameOf(const QString& name) const;

    // "create X", "show X", "hide X" in the order they happened.
    const QStringList& history() const { return history_; }

private:
    Services& services_;
    QMap<QString, Factory> factories_;
    QMap<QString, Form*> made_;
    QMap<QString, std::function<void()>> waiting_; // by window, until it is shown
    std::vector<std::unique_ptr<Form>> topLevels_;
    QStringList history_;
};
