#pragma once
// A part's XML stream with a hard bound on the bytes inflated for it: past the bound the stream
// ends with an error, which the XML reader sees as a cut document, so no single token (a text of
// hundreds of megabytes) can outgrow the bound either.
#include <QIODevice>

#include <algorithm>

namespace tallox::zip {

class BoundedDevice final : public QIODevice {
public:
    BoundedDevice(QIODevice* inner, qint64 limit) : inner_(inner), limit_(limit)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool overLimit() const { return overLimit_; }
    bool readFailed() const { return failed_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (overLimit_ || failed_)
            return -1;
        const qint64 n = inner_->read(data, std::min(maxSize, limit_ + 1 - taken_));
        if (n < 0) {
            failed_ = true;
            return -1;
        }
        taken_ += n;
        if (taken_ > limit_) {
            overLimit_ = true;
            return -1;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice* inner_;
    qint64 limit_;
    qint64 taken_ = 0;
    bool overLimit_ = false;
    bool failed_ = false;
};

} // namespace tallox::zip
