#include "forms.h"

#include "controls.h"
#include "services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

Form::Form(Forms& forms, const QString& name, Kind kind, const QString& caption, int widthTwips,
           int heightTwips)
    : forms_(forms), kind_(kind) {
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFont(look::sansSerif(8.25)); // the controls' font; the status line has its own
    resize(twips(widthTwips), twips(heightTwips));
    setAutoFillBackground(false);
}

Services& Form::services() const {
    return forms_.services();
}

void Form::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(look::background));
    p.drawPixmap(0, 0, background_);
}

void Form::mousePressEvent(QMouseEvent* e) {
    e->accept();
    // A press that a control let pass (a button's right press, say) is not on the window's own
    // surface.
    if (childAt(e->position().toPoint())) return;
    Form_MouseDown(mouseButtonCode(e->button()));
}

void Form::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) emit hidden();
}

void Form::closeEvent(QCloseEvent* e) {
    // The program never closes a window: closing one through its frame only hides it, and the
    // window keeps everything it holds.
    e->ignore();
    if (frameClosable_) forms_.hide(objectName());
}

Forms::Forms(Services& services) : services_(services) {}

Forms::~Forms() {
    // Top-level windows first; the main window then takes its children with it.
    for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it)
        it->reset();
}

void Forms::add(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

Form& Forms::get(const QString& name) {
    if (Form* f = made_.value(name)) return *f;
    auto factory = factories_.find(name);
    Q_ASSERT_X(factory != factories_.end(), "Forms::get", qPrintable(name));
    Form* form = (*factory)(*this);
    made_.insert(name, form);
    history_ << QStringLiteral("create ") + name;
    if (form->kind() == Form::Kind::MdiChild) {
        Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
        if (form->frameClosable()) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        QMdiSubWindow* frame = shownMdiArea()->addSubWindow(form, flags);
        frame->setObjectName(name + QStringLiteral("Frame"));
        frame->setWindowTitle(form->windowTitle());
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        // The window's design size is its client area; the frame grows around it.
        form->setMinimumSize(form->size());
        frame->resize(frame->minimumSizeHint().expandedTo(form->size()));
        frame->move(0, 0);
        frame->hide();
    } else {
        topLevels_.emplace_back(form);
    }
    form->Form_Initialize();
    form->Form_Load();
    return *form;
}

QMdiArea* Forms::shownMdiArea() {
    Form& main = get(QStringLiteral("MDIForm1"));
    if (!main.isVisible()) show(QStringLiteral("MDIForm1"));
    return main.findChild<QMdiArea*>();
}

QMdiSubWindow* Forms::frameOf(const QString& name) const {
    Form* f = made_.value(name);
    return f ? qobject_cast<QMdiSubWindow*>(f->parentWidget()) : nullptr;
}

void Forms::whenShown(const QString& name, std::function<void()> then) {
    if (isShown(name)) return then();
    waiting_.insert(name, std::move(then));
}

void Forms::show(const QString& name) {
    Form& f = get(name);
    history_ << QStringLiteral("show ") + name;
    switch (f.kind()) {
    case Form::Kind::MdiParent:
        f.window()->show();
        break;
    case Form::Kind::MdiChild: {
        QMdiSubWindow* frame = frameOf(name);
        frame->show();
        frame->raise();
        shownMdiArea()->setActiveSubWindow(frame);
        break;
    }
    case Form::Kind::TopLevel:
        f.show();
        f.raise();
        f.activateWindow();
        break;
    case Form::Kind::Holder:
        break;
    }
    if (auto then = waiting_.take(name)) then();
}

void Forms::showModal(const QString& name) {
    Form& f = get(name);
    f.setWindowModality(Qt::ApplicationModal);
    // The member goes back to exactly where they were, keyboard focus included, also where no
    // window manager hands the activation back.
    QPointer<QWidget> before = QApplication::activeWindow();
    QEventLoop wait;
    QObject::connect(&f, &Form::hidden, &wait, &QEventLoop::quit);
    show(name);
    if (f.isVisible()) wait.exec();
    if (before && before->isVisible() && before != &f) before->activateWindow();
}

void Forms::hide(const QString& name) {
    Form& f = get(name);
    history_ << QStringLiteral("hide ") + name;
    if (f.kind() == Form::Kind::MdiChild)
        frameOf(name)->hide();
    else
        f.hide();
}

bool Forms::isShown(const QString& name) const {
    Form* f = made_.value(name);
    if (!f) return false;
    if (f->kind() == Form::Kind::MdiChild) return !frameOf(name)->isHidden();
    return f->isVisible();
}
