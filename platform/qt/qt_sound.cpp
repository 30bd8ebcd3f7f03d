// Sound from memory through the desktop's sound server (PulseAudio or PipeWire).
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QPointer>
#include <cstring>

#include "platform/qt/qt_platform.h"
#include "platform/wav_format.h"

namespace lv::qt {

namespace {

// Each sound plays through a sink of its own that reads a buffer over the bytes in
// place. A sink's destructor runs the event loop while it closes its stream, so a
// sink is never destroyed inside an event handler (every press cuts off the sound
// before it): cutting off only stops it, and Qt deletes it once control is back in
// the event loop. The buffer is the sink's child, so it goes after the sink.
class QtSoundOutput : public ISoundOutput {
 public:
  ~QtSoundOutput() override { delete sink_.data(); }

  void Stop() override {
    if (!sink_) return;
    QAudioSink* sink = sink_.data();
    sink_.clear();
    QObject::disconnect(sink, nullptr, nullptr, nullptr);
    sink->stop();
    sink->deleteLater();
  }

  void Play(const std::uint8_t* wav, std::size_t size) override {
    Stop();
    auto pcm = FindPcm(wav, size);
    if (!pcm) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(pcm->SampleRate);
    format.setChannelCount(pcm->Channels);
    format.setSampleFormat(pcm->BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    sink_ = new QAudioSink(device, format);
    auto* buffer = new QBuffer(sink_.data());
    buffer->setData(QByteArray::fromRawData(reinterpret_cast<const char*>(pcm->Samples),
                                            static_cast<qsizetype>(pcm->Size)));
    buffer->open(QIODevice::ReadOnly);
    // A sound that has played to its end gives its stream back to the sound server,
    // so an idle program holds no stream open.
    QObject::connect(sink_.data(), &QAudioSink::stateChanged, sink_.data(), [this](QAudio::State state) {
      if (state == QAudio::IdleState) Stop();
    });
    sink_->start(buffer);
  }

 private:
  QPointer<QAudioSink> sink_;
};

}  // namespace

std::unique_ptr<ISoundOutput> MakeSoundOutput() { return std::make_unique<QtSoundOutput>(); }

}  // namespace lv::qt
