#ifndef VELTMAR_SERIALINPUT_H
#define VELTMAR_SERIALINPUT_H

#include <QSerialPort>

#include "InputSource.h"

// Reads a receiver's feed from a serial port; whatever one read returns is one chunk.
//
// start() looks the port up among the system's serial ports and logs what it knows of it
// ("Open async serial port: %1", "Device path: %1", "Description: %1", "Manufacturer: %1",
// "Vendor Identifier: %1" / "Not exist", "Product Identifier: %1" / "Not exist"), or "Serial
// port not found: %1". A port the system does not list (a pseudo-terminal, some kernel
// drivers) is then still opened by its name or path. It opens the port read-only and sets the
// line (baud rate both ways, data bits, parity, stop bits as QSerialPort's values, no flow
// control); Stop enabled. "Failed to open serial port: %1" (QSerialPort's error code) leaves
// the actions as they were. stop(): "Close async serial port", Start enabled. Texts go to the
// general log only.
class SerialInput : public InputSource {
    Q_OBJECT
public:
    explicit SerialInput(QObject* parent = nullptr);

    void setPortName(const QString& name) { _portName = name; }
    void setBaudRate(int baudRate) { _baudRate = baudRate; }
    void setDataBits(int dataBits) { _dataBits = dataBits; }
    void setParity(int parity) { _parity = parity; }
    void setStopBits(int stopBits) { _stopBits = stopBits; }

    void start() override;
    void stop() override;

private slots:
    void readAvailable();

private:
    QSerialPort _port;
    QString _portName;
    int _baudRate = 9600;
    int _dataBits = QSerialPort::Data8;
    int _parity = QSerialPort::NoParity;
    int _stopBits = QSerialPort::OneStop;
};

#endif  // VELTMAR_SERIALINPUT_H
