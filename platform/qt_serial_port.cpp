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

QtSerialPort::QtSerialPort(const ComPortMap& ports) : ports_(ports) {
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    // A USB adapter pulled gives a resource error; a terminal whose other side closed
    // gives read errors at every pass of the event loop. Either way the device is gone.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError) return;
    if (!port_.isOpen()) return;
    port_.close();
    deviceLost_ = true;
}

void QtSerialPort::close() {
    port_.close();
    deviceLost_ = false;
}

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
    // A device still missing stays lost, so the next operation tries it again.
    if (port_.open(QIODevice::ReadWrite)) {
        deviceLost_ = false;
        return true;
    }
    const PortOpenFault fault =
        ClassifyOpenFault(ProbeDevice(device), port_.error() == QSerialPort::PermissionError);
    error = PortOpenFailureText(number_, device, fault, port_.errorString().toStdString());
    return false;
}

PortDevice QtSerialPort::deviceOf(int number) const {
    const std::string device = ports_.device(number);
    return {device, ProbeDevice(device) != DeviceAccess::Missing};
}

bool QtSerialPort::write(std::string_view bytes) {
    if (!port_.isOpen()) return false;
    port_.clearError();
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(bytes.data(), size) != size) return false;
    // Hand the bytes to the device now rather than at the next event-loop pass,
    // so that a lone ACK is not lost when a program ends right after it. A device
    // that refuses them (gone, or a write error) leaves the port closed or in error.
    port_.flush();
    return port_.isOpen() && port_.error() == QSerialPort::NoError;
}

std::string QtSerialPort::readAll() {
    if (!port_.isOpen()) return {};  // closed meanwhile, as when the device went away
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
