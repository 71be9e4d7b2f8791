#include "platform/qt_serial_port.h"

#include <termios.h>
#include <QEventLoop>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

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
    return DescribeDevice(ports_.device(number));
}

bool QtSerialPort::write(std::string_view bytes) {
    if (!port_.isOpen()) return false;
    port_.clearError();
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(bytes.data(), size) != size) return false;
    const auto now = std::chrono::steady_clock::now();
    outputEnds_ = std::max(outputEnds_, now) + static_cast<int>(bytes.size()) * ByteTime(line_);
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

std::chrono::nanoseconds QtSerialPort::outputStillGoing() const {
    return std::max<std::chrono::nanoseconds>(outputEnds_ - std::chrono::steady_clock::now(),
                                              std::chrono::nanoseconds::zero());
}

QSocketNotifier* QtSerialPort::inputNotifier() {
    // QSerialPort watches its device with a read notifier it keeps as its child.
    const qintptr device = port_.handle();
    for (QSocketNotifier* notifier : port_.findChildren<QSocketNotifier*>()) {
        if (notifier->type() == QSocketNotifier::Read && notifier->socket() == device)
            return notifier;
    }
    return nullptr;
}

void QtSerialPort::waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes) {
    if (!port_.isOpen() || port_.bytesAvailable() > 0) return;
    // Round up, so that the deadline is never reached early.
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(timeout).count();
    if (milliseconds <= 0) return;
    QEventLoop loop;
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(&port_, &QSerialPort::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&port_, &QSerialPort::aboutToClose, &loop, &QEventLoop::quit);
    // A reply comes a byte at a time at line pace, and every byte that reaches a watched
    // device wakes the program, which cost more than the whole exchange. Like a UART's
    // receive FIFO, the device is left unwatched for the line time of the request still
    // going out and of the bytes looked for, while the window's events go on; then what
    // came is taken at once, and should it fall short the next wait looks for the rest.
    const std::size_t looked = expectedBytes > 0 ? expectedBytes : InputGroupBytes;
    const auto gather = std::chrono::ceil<std::chrono::milliseconds>(
        std::min(timeout, outputStillGoing() + static_cast<int>(looked) * ByteTime(line_)));
    const QPointer<QSocketNotifier> input = inputNotifier();
    QTimer gathered;
    gathered.setSingleShot(true);
    gathered.setTimerType(Qt::PreciseTimer);
    if (input && gather.count() > 0) {
        input->setEnabled(false);
        QObject::connect(&gathered, &QTimer::timeout, &loop, [&input] {
            if (input) input->setEnabled(true);
        });
        gathered.start(static_cast<int>(gather.count()));
    }
    deadline.start(static_cast<int>(milliseconds));
    loop.exec();
    if (input) input->setEnabled(true);
    // Bytes that came while the device was unwatched are taken now, so the caller sees them.
    if (timedOut && port_.isOpen()) port_.waitForReadyRead(0);
}

}  // namespace platform
