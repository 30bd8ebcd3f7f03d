// Sound from memory through the desktop's sound server (PulseAudio or PipeWire).
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <cstring>

#include "platform/qt/qt_platform.h"
#include "platform/wav_format.h"

namespace lv::qt {

namespace {

class QtSoundOutput : public ISoundOutput {
 public:
  ~QtSoundOutput() override { Stop(); }

  // The sink goes before the buffer it reads from.
  void Stop() override {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
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
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(QByteArray::fromRawData(reinterpret_cast<const char*>(pcm->Samples),
                                             static_cast<qsizetype>(pcm->Size)));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // A sound that has played to its end gives its stream back to the sound server
    // at once, so an idle program holds no stream open. The sink cannot go inside
    // its own signal, so it goes right after.
    const QAudioSink* playing = sink_.get();
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, [this, playing](QAudio::State state) {
      if (state != QAudio::IdleState) return;
      QTimer::singleShot(0, [this, playing] {
        if (sink_.get() == playing) Stop();
      });
    });
    sink_->start(buffer_.get());
  }

 private:
  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QAudioSink> sink_;
};

}  // namespace

std::unique_ptr<ISoundOutput> MakeSoundOutput() { return std::make_unique<QtSoundOutput>(); }

}  // namespace lv::qt
