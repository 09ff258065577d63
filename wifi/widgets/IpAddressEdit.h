#pragma once
// The four-field IP-address control of the Wi-Fi page.
#include <QWidget>

#include <array>
#include <cstdint>

class QLineEdit;

// The IP-address control: four fields of 0 to 255, each of which may be left
// blank. The address is one 32-bit value, the first field in its highest byte.
class IpAddressEdit : public QWidget {
  Q_OBJECT
 public:
  explicit IpAddressEdit(QWidget* parent = nullptr);

  void Clear();
  void SetAddress(uint32_t address);
  // Blank fields count as 0; `filledFields` gets how many hold a number.
  uint32_t Address(int* filledFields = nullptr) const;
  bool IsBlank() const;
  void SetFieldFocus(int field);
  QLineEdit* Field(int i) const { return fields_[static_cast<size_t>(i)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLineEdit*, 4> fields_{};
};
