#pragma once
// Language texts applied to the real Qt windows, control by objectName.
#include <QObject>
#include <QPointer>
#include <vector>

#include "ui/core/LanguageLoader.h"

// The language loader's view of real windows: controls are found by
// objectName under the given roots (the main window, the about box, the
// agreement window), first root first.
//  Caption: QAction and QMenu text, button, label and group-box text, and
//           the tab text of a tab widget's page.
//  Label:   the QLabel whose buddy is the named edit, or the edit's
//           "labelText" property.
//  Item:    the entry of a QComboBox.
class WidgetLanguageControls : public LanguageControls {
 public:
  explicit WidgetLanguageControls(std::vector<QObject*> roots);

  std::optional<std::string> GetText(std::string_view control, LangTarget kind, int item) override;
  void SetText(std::string_view control, LangTarget kind, int item,
               const std::string& text) override;

  QObject* Find(std::string_view name) const;

 private:
  std::vector<QPointer<QObject>> roots_;
};
