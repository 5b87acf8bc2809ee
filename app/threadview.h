#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QThread>

#include "app/stationview.h"

// What the board's worker shows, carried to the window's thread: every call made on the
// worker becomes a queued call on the window's thread, in the order made, with its values
// copied, so the window never reads what the worker writes. Calls made on the window's
// thread go straight through.
class ThreadView final : public StationView {
 public:
  ThreadView(StationView& view, QObject& window) : view_(view), window_(&window) {}

  void setText(const QString& c, const QString& t) override { call([=, this] { view_.setText(c, t); }); }
  void setVisible(const QString& c, bool v) override { call([=, this] { view_.setVisible(c, v); }); }
  void setEnabled(const QString& c, bool e) override { call([=, this] { view_.setEnabled(c, e); }); }
  void setPanel(int p, const QString& t, Qt::Alignment a) override { call([=, this] { view_.setPanel(p, t, a); }); }
  void setPanelAlignment(int p, Qt::Alignment a) override { call([=, this] { view_.setPanelAlignment(p, a); }); }
  void setCaption(const QString& c) override { call([=, this] { view_.setCaption(c); }); }
  void setBusy(bool b) override { call([=, this] { view_.setBusy(b); }); }
  void showProgramDescription(const QString& d) override { call([=, this] { view_.showProgramDescription(d); }); }
  void showClass(int c, int q, const QString& n, const QString& r) override {
    call([=, this] { view_.showClass(c, q, n, r); });
  }
  void showNoProgram() override { call([this] { view_.showNoProgram(); }); }
  void showMissingProgram(int n, const QString& t) override { call([=, this] { view_.showMissingProgram(n, t); }); }
  // Read on the window's thread only (the show sequence).
  QString caption() const override { return view_.caption(); }
  void clearTotalsDisplays() override { call([this] { view_.clearTotalsDisplays(); }); }
  void setUnitCaptions(bool g) override { call([=, this] { view_.setUnitCaptions(g); }); }
  void showCustomerLogo(const QImage& i) override { call([=, this] { view_.showCustomerLogo(i); }); }
  void focusLotNumber() override { call([this] { view_.focusLotNumber(); }); }
  void closeWhenIdle() override { call([this] { view_.closeWhenIdle(); }); }
  void showCommand(const QString& t) override { call([=, this] { view_.showCommand(t); }); }
  void showBarcodes(const QStringList& l) override { call([=, this] { view_.showBarcodes(l); }); }
  void showAlarmPicture(const QImage& p) override { call([=, this] { view_.showAlarmPicture(p); }); }
  void setChecked(const QString& c, bool on) override { call([=, this] { view_.setChecked(c, on); }); }
  void retranslate() override { call([this] { view_.retranslate(); }); }

 private:
  template <typename F>
  void call(F&& f) {
    if (!window_) return;
    if (QThread::currentThread() == window_->thread()) f();
    // The window as context: a call still queued when it is gone is dropped.
    else QMetaObject::invokeMethod(window_.data(), std::forward<F>(f), Qt::QueuedConnection);
  }

  StationView& view_;
  QPointer<QObject> window_;
};
