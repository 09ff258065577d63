#pragma once
// The SRM TEXT page: the four safety-related message texts the device
// offers, for devices that have them.
#include <QWidget>

#include <array>
#include <string>

class QTabWidget;
class TLabeledEdit;
class TSpeedButton;
struct CONFIG_REPORT_DATA;

class SrmTextPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetSRMText".
  explicit SrmTextPage(QTabWidget* pages);

  // The four texts as bytes, text 1 first.
  std::array<std::string, 4> Texts() const;
  // Text n (0..3) as the device reported it, unescaped; other n are ignored.
  void ShowText(int n, const std::string& bytes);
  void FillReport(CONFIG_REPORT_DATA& report) const;

 signals:
  // The page's own Config button (hidden: Configure Device writes the page).
  void ConfigRequested();

 private:
  std::array<TLabeledEdit*, 4> edits() const;

  TLabeledEdit* lblEdtSRMText1;
  TLabeledEdit* lblEdtSRMText2;
  TLabeledEdit* lblEdtSRMText3;
  TLabeledEdit* lblEdtSRMText4;
  TSpeedButton* spbSRMText;
};
