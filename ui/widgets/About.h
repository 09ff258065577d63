#pragma once
// The about box and the clickable label its maker lines are made of.
#include <QDialog>
#include <QLabel>
#include <QUrl>
#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

// A label that reports a click (the maker's name and web address).
class TClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The about box: product name, version, picture, maker and the read-me text
// of the current language. Shown modeless; closing only hides it.
class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* parent = nullptr);

  // Fills Memo1 from the read-me file; a file that cannot be read leaves
  // the memo as it was.
  void LoadReadMe(const std::string& path, const std::string& codePage = {});

  // Opens the maker's web address; tests replace it.
  std::function<void(const QUrl&)> OpenUrl;

  QLabel* StaticTextProduct;
  QLabel* Image2;
  QPlainTextEdit* Memo1;
  QPushButton* btnOK;
  QLabel* Label6;
  QLabel* LabelProfessional;
  TClickLabel* lblCompanyName;
  TClickLabel* lblWebUrl;

  void btnOKClick();
  void lblCompanyNameClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
};
