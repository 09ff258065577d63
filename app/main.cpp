// The program's entry: the application object, the main window and its
// information windows, the saved language, then the event loop.
#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "app/MainForm.h"

namespace {

// An exception that no handler caught is shown, and the run goes on.
class KvorApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
      ShowException(QString());
    }
    return false;
  }

  static void ShowException(const QString& text) {
    QMessageBox::critical(activeWindow(), applicationDisplayName(), text);
  }
};

}  // namespace

int main(int argc, char** argv) {
  KvorApplication app(argc, argv);
  // The application's title; a display name would be appended to every
  // window caption, so it is not set.
  QApplication::setApplicationName("Kvor AIS Configuration");
  try {
    TForm1 form;
    form.CreateInformationWindows();
    form.ApplySavedLanguage();
    form.show();
    app.exec();
  } catch (const std::exception& e) {
    KvorApplication::ShowException(QString::fromUtf8(e.what()));
  } catch (...) {
    KvorApplication::ShowException(QString());
  }
  return 0;
}
