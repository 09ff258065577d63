#pragma once
// The second SRM TEXT page: the text the device's message button sends, for
// devices that have the button.
#include <QWidget>

#include <string>

class QTabWidget;
class TLabeledEdit;
class TSpeedButton;
struct CONFIG_REPORT_DATA;

class SrmButtonPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetButtonSRM".
  explicit SrmButtonPage(QTabWidget* pages);

  // The button's text as bytes.
  std::string Text() const;
  // The text as the device reported it, unescaped.
  void ShowText(const std::string& bytes);
  void FillReport(CONFIG_REPORT_DATA& report) const;

 signals:
  // The page's own Config button (hidden: Configure Device writes the page).
  void ConfigRequested();

 private:
  TLabeledEdit* lblEdtSRMTextMsg14;
  TSpeedButton* spbSRMButtonText;
};
