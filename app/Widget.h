#pragma once
// The main window: owns the device link and runs the device check.

#include "Hid_Thread.h"

#include <QSettings>
#include <QString>
#include <QWidget>

#include <memory>

class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    Hid_Thread &hid() { return m_hid; }

public slots:
    void checkDevice();
    void receiveMessage(QString msg);

private:
    std::unique_ptr<QSettings> m_appConfig;
    Hid_Thread m_hid;
};
