#include "platform/qt_serial_port.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <thread>

namespace platform {

namespace {

QSerialPort::Parity ToQtParity(char parity) {
    switch (parity) {
        case 'e':
            return QSerialPort::EvenParity;
        case 'o':
            return QSerialPort::OddParity;
        default:
            return QSerialPort::NoParity;
    }
}

}  // namespace

bool QtSerialPort::setSettings(const std::string& settings) {
    const auto line = ParseLineSettings(settings);
    if (!line) return false;
    line_ = *line;
    settingsText_ = settings;
    return true;
}

bool QtSerialPort::open(std::string& error) {
    if (port_.isOpen()) port_.close();
    const std::string device = ports_.device(number_);
    port_.setPortName(QString::fromStdString(device));
    port_.setBaudRate(line_.baud);
    port_.setParity(ToQtParity(line_.parity));
    port_.setDataBits(line_.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    port_.setStopBits(line_.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadWrite)) return true;
    const PortOpenFault fault =
        ClassifyOpenFault(ProbeDevice(device), port_.error() == QSerialPort::PermissionError);
    error = PortOpenFailureText(number_, device, fault, port_.errorString().toStdString());
    return false;
}

PortDevice QtSerialPort::deviceOf(int number) const {
    const std::string device = ports_.device(number);
    return {device, ProbeDevice(device) != DeviceAccess::Missing};
}

void QtSerialPort::write(std::string_view bytes) {
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the device now rather than at the next event-loop pass,
    // so that a lone ACK is not lost when a program ends right after it.
    port_.flush();
}

std::string QtSerialPort::readAll() {
    const QByteArray bytes = port_.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QtSerialPort::discardInput() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);  // the device's receive queue
    port_.readAll();                  // and what Qt has buffered already
}

void QtSerialPort::waitForInput(std::chrono::nanoseconds timeout) {
    if (!port_.isOpen() || port_.bytesAvailable() > 0) return;
    // A reply comes a byte at a time at line pace, and waking the program for each
    // byte cost more than the whole exchange. Like a UART's receive FIFO, let a
    // group of bytes gather before the wait can end; the group time is short next
    // to every limit, and the request's own bytes are still going out meanwhile.
    const auto gather = std::min(timeout, InputGroupBytes * ByteTime(line_));
    std::this_thread::sleep_for(gather);
    timeout -= gather;
    // Round up, so that the deadline is never reached early.
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(timeout).count();
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&port_, &QSerialPort::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&port_, &QSerialPort::aboutToClose, &loop, &QEventLoop::quit);
    deadline.start(static_cast<int>(milliseconds));
    loop.exec();
}

}  // namespace platform
