#pragma once
// The program-wide switch of the pop-up hints: while the settings' hint flag
// is off, every hint request of the application is swallowed.

#include <QObject>

namespace qor {

class SettingsStore;

class HintSwitch : public QObject {
    Q_OBJECT
  public:
    explicit HintSwitch(const SettingsStore &settings, QObject *parent = nullptr);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    const SettingsStore &m_settings;
};

} // namespace qor
