#include "SerialInput.h"

#include <QSerialPortInfo>

SerialInput::SerialInput(QObject* parent) : InputSource(parent) {}

void SerialInput::start() {
    QSerialPortInfo found;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        if (info.portName() == _portName) {
            found = info;
            break;
        }
    }
    if (!found.isNull()) {
        emit logMessage(tr("Open async serial port: %1").arg(found.portName()));
        emit logMessage(tr("Device path: %1").arg(found.systemLocation()));
        emit logMessage(tr("Description: %1").arg(found.description()));
        emit logMessage(tr("Manufacturer: %1").arg(found.manufacturer()));
        emit logMessage(found.hasVendorIdentifier()
                            ? tr("Vendor Identifier: %1").arg(found.vendorIdentifier(), 0, 16)
                            : tr("Vendor Identifier: Not exist"));
        emit logMessage(found.hasProductIdentifier()
                            ? tr("Product Identifier: %1").arg(found.productIdentifier(), 0, 16)
                            : tr("Product Identifier: Not exist"));
        _port.setPort(found);
    } else {
        emit logMessage(tr("Serial port not found: %1").arg(_portName));
        _port.setPortName(_portName);
    }

    if (!_port.open(QIODevice::ReadOnly)) {
        emit logMessage(tr("Failed to open serial port: %1").arg(int(_port.error())));
        return;
    }
    _port.setBaudRate(_baudRate, QSerialPort::AllDirections);
    _port.setDataBits(QSerialPort::DataBits(_dataBits));
    _port.setParity(QSerialPort::Parity(_parity));
    _port.setStopBits(QSerialPort::StopBits(_stopBits));
    _port.setFlowControl(QSerialPort::NoFlowControl);

    emit actionsChanged(false, true);
    connect(&_port, &QSerialPort::readyRead, this, &SerialInput::readAvailable,
            Qt::UniqueConnection);
}

void SerialInput::stop() {
    emit logMessage(tr("Close async serial port"));
    _port.close();
    disconnect(&_port, &QSerialPort::readyRead, this, &SerialInput::readAvailable);
    emit actionsChanged(true, false);
}

void SerialInput::readAvailable() {
    const QByteArray bytes = _port.readAll();
    if (!bytes.isEmpty())
        emit chunkReceived(bytes, currentTimeMs());
}
