// Each contact is a run of unsigned numbers, seven bits a byte (the high bit says another byte
// follows), and texts as a length and their bytes; every BlockSize-th contact's start is kept
// to find a contact without reading all before it.
#include "input/packed_contacts.h"

#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t BlockSize = 16;

// The host's texts in the order they are packed.
std::string HostContact::* const Texts[] = {
    &HostContact::call,     &HostContact::mode,     &HostContact::rstSent,
    &HostContact::rstRcvd,  &HostContact::exchSent, &HostContact::exchRcvd,
    &HostContact::aux1,     &HostContact::aux2,     &HostContact::band,
};

// The time's parts, in the order they are packed.
int DateTimeParts::* const TimeParts[] = {
    &DateTimeParts::year, &DateTimeParts::month,  &DateTimeParts::day,
    &DateTimeParts::hour, &DateTimeParts::minute, &DateTimeParts::second,
};

void putNumber(std::string& bytes, uint64_t value)
{
    while (value >= 0x80) {
        bytes += static_cast<char>(static_cast<unsigned char>(value | 0x80));
        value >>= 7;
    }
    bytes += static_cast<char>(static_cast<unsigned char>(value));
}

uint64_t takeNumber(const std::string& bytes, std::size_t& at)
{
    uint64_t value = 0;
    for (unsigned shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        value |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return value;
        }
    }
}

// A time part of any int, negative ones too, survives the trip through 32 bits unsigned.
void putPart(std::string& bytes, int part)
{
    putNumber(bytes, static_cast<uint32_t>(part));
}

int takePart(const std::string& bytes, std::size_t& at)
{
    return static_cast<int>(static_cast<uint32_t>(takeNumber(bytes, at)));
}

}  // namespace

void PackedContacts::add(const LogContact& contact)
{
    if (count_ % BlockSize == 0) {
        blockStarts_.push_back(bytes_.size());
    }
    putNumber(bytes_, contact.record);
    for (int DateTimeParts::*part : TimeParts) {
        putPart(bytes_, contact.when.*part);
    }
    putNumber(bytes_, contact.host.frequencyHz);
    for (std::string HostContact::*text : Texts) {
        const std::string& value = contact.host.*text;
        putNumber(bytes_, value.size());
        bytes_ += value;
    }
    ++count_;
}

void PackedContacts::shrink()
{
    bytes_.shrink_to_fit();
    blockStarts_.shrink_to_fit();
}

bool PackedContacts::setAside()
{
    std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
    if (!file || std::fwrite(bytes_.data(), 1, bytes_.size(), file.get()) != bytes_.size() ||
        std::fflush(file.get()) != 0) {
        return false;
    }
    aside_ = std::move(file);
    asideSize_ = bytes_.size();
    std::string().swap(bytes_);  // assigning an empty string would keep the room
    return true;
}

bool PackedContacts::takeBack()
{
    if (!aside_) {
        return true;
    }
    std::string bytes(asideSize_, '\0');
    const bool whole = std::fseek(aside_.get(), 0, SEEK_SET) == 0 &&
                       std::fread(&bytes[0], 1, bytes.size(), aside_.get()) == bytes.size();
    if (whole) {
        bytes_ = std::move(bytes);
        aside_.reset();
    }
    return whole;
}

LogContact PackedContacts::at(std::size_t index) const
{
    std::size_t at = blockStarts_[index / BlockSize];
    std::size_t skip = index % BlockSize;
    if (index >= nextIndex_ && index - nextIndex_ < skip) {
        at = nextStart_;
        skip = index - nextIndex_;
    }
    LogContact contact;
    for (std::size_t pass = 0; pass <= skip; ++pass) {
        contact.record = static_cast<std::size_t>(takeNumber(bytes_, at));
        for (int DateTimeParts::*part : TimeParts) {
            contact.when.*part = takePart(bytes_, at);
        }
        contact.host.frequencyHz = static_cast<unsigned>(takeNumber(bytes_, at));
        for (std::string HostContact::*text : Texts) {
            const auto length = static_cast<std::size_t>(takeNumber(bytes_, at));
            if (pass == skip) {
                (contact.host.*text).assign(bytes_, at, length);
            }
            at += length;
        }
    }
    double value = 0.0;
    makeOleDate(contact.when, value);
    contact.host.time = DateRecord::make(value);
    nextIndex_ = index + 1;
    nextStart_ = at;
    return contact;
}
