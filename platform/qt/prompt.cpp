// The modal one-line text prompt.
#include "platform/qt/binding.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr QSize prompt_size(300, 130);

// Title bar only: no close box and no system menu, so OK, Enter and Escape are the ways out. It
// stays on top because the caliper does and would otherwise cover it.
constexpr Qt::WindowFlags prompt_flags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;

QPoint centred_on_primary_screen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x() + screen.width() / 2 - prompt_size.width() / 2,
            screen.y() + screen.height() / 2 - prompt_size.height() / 2};
}

// Qt selects a line edit's text when the focus arrives by tabbing, as a dialog's first focus does;
// here the caret goes to the end of the default text instead, nothing selected.
class AnswerEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        deselect();
        end(false);
    }
};

} // namespace

std::string prompt_text(std::string_view title, std::string_view message, std::string_view default_text) {
    QDialog dialog(QApplication::activeWindow(), prompt_flags);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowTitle(qt_binding::from_cp1252(title));
    dialog.setFixedSize(prompt_size);
    dialog.move(centred_on_primary_screen());

    auto* label = new QLabel(qt_binding::from_cp1252(message), &dialog);
    label->setGeometry(10, 10, 280, 22);
    auto* edit = new AnswerEdit(qt_binding::from_cp1252(default_text), &dialog);
    edit->setGeometry(10, 32, 275, 21);
    auto* ok = new QPushButton("OK", &dialog);
    ok->setGeometry(110, 67, 80, 25);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    edit->setFocus();
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });

    if (dialog.exec() != QDialog::Accepted) return {};
    return qt_binding::to_cp1252(edit->text());
}
