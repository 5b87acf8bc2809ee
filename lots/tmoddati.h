#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;

// The data of the lot in progress that the operator types while it runs (F3), stored with
// the lot at its end.
struct LotData {
  QString numero;                          // delivery-note number
  QString totPartita = QStringLiteral("0");  // lot quantity in kilograms
  QString codice;                          // producer code
  QString descrizione;                     // producer name
  QString note;

  static constexpr int kNumeroLength = 6;
  static constexpr int kTotPartitaLength = 6;
  static constexpr int kCodiceLength = 4;
  static constexpr int kDescrizioneLength = 20;
  static constexpr int kNoteLength = 30;
};

// The lot data window "Dati Bolla".
class TModDati : public QDialog {
  Q_OBJECT

 public:
  explicit TModDati(QWidget* parent = nullptr);

  void bind(LotData& data) { data_ = &data; }
  LotData& data() { return *data_; }
  // "Cambia": choose the producer (set by the owner).
  std::function<void()> onChangeProducer;
  // Shows the data again (after the producer was chosen).
  void showData();

  QLineEdit* Numero = nullptr;
  QLineEdit* totPartita = nullptr;
  QLineEdit* Codice = nullptr;
  QLineEdit* Descrizione = nullptr;
  QPushButton* Cambia = nullptr;
  QLineEdit* Note = nullptr;
  QPushButton* Salva = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  LotData own_;
  LotData* data_ = &own_;
};
