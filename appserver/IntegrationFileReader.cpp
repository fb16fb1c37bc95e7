#include "IntegrationFileReader.h"

#include "Text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxFields = 8;
constexpr char kSeparator = '\xF8';

// Which fields a record carries, by name; the names appear in the refusal messages.
struct RecordLayout {
    std::string_view type;
    size_t fieldCount;
    std::array<std::string_view, kMaxFields> fieldNames;
};

const RecordLayout kHeader{"CARDAPIO",
                           5,
                           {"o tipo de arquivo", "o código da filial de origem", "o nome da filial de origem",
                            "o primeiro dia", "o último dia"}};
const RecordLayout kService{
    "SERVICO",
    4,
    {"o tipo de registro", "o código do serviço", "o nome do serviço", "o indicador hospitalar"}};
const RecordLayout kDiet{
    "DIETA", 4, {"o tipo de registro", "o código do serviço", "o código da dieta", "o nome da dieta"}};
const RecordLayout kDishType{"TIPOPRATO",
                             7,
                             {"o tipo de registro", "o código do serviço", "o código do tipo de prato",
                              "a sequência", "a ordem de exibição", "o nome do tipo de prato",
                              "o indicador de opção"}};
const RecordLayout kDish{"PRATO", 3, {"o tipo de registro", "o código do prato", "o nome do prato"}};
const RecordLayout kMenuItem{"ITEM",
                             8,
                             {"o tipo de registro", "o código do serviço", "a data", "o código da dieta",
                              "o código do tipo de prato", "a sequência", "o código do prato",
                              "o número de comensais"}};

constexpr size_t kBranchWidth = 4, kServiceWidth = 5, kDietWidth = 4, kDishTypeWidth = 2, kDishWidth = 6;
constexpr size_t kBranchNameMax = 50, kServiceNameMax = 40, kDietNameMax = 50, kDishTypeNameMax = 15,
                 kDishNameMax = 60;
constexpr int kSequenceMax = 99, kOrderMax = 9999, kDinersMax = 999999999;

// One line cut at its separators: where each of its first kMaxFields fields starts, and where the
// field after the last of them would. Fields past kMaxFields are counted but not kept.
struct Line {
    static constexpr size_t kWindow = 64; // bytes classified at once: at most as many separators

    const char* data = nullptr; // the file's bytes, which the positions count from
    std::array<size_t, kMaxFields + kWindow> starts{};
    size_t fieldCount = 0;
    std::string_view rest; // bytes after the last separator, before the line end
    bool ended = false;    // a line end follows (false only for a last line cut short)

    // Field 1 is the record type; valid for fields up to fieldCount and kMaxFields.
    std::string_view Field(size_t field) const {
        return std::string_view(data + starts[field - 1], starts[field] - starts[field - 1] - 1);
    }
};

// Cuts the file into lines and fields on the raw bytes, before any decoding, so that a
// separator is always a separator whatever the code page makes of it.
//
// A line is classified from its first byte, 16 bytes at a time, into one mask of its separators
// and one of its line ends; its fields are cut at the separator bits below the first line end,
// without looking at the bytes again. Every menu line then takes the same steps, which the
// processor learns to predict: a byte-by-byte loop, or blocks that fall differently on each line,
// mispredicted a branch at nearly every field.
class LineSplitter {
  public:
    explicit LineSplitter(std::string_view bytes) : data_(bytes.data()), size_(bytes.size()) {}

    bool AtEnd() const { return pos_ == size_; }

    // The bytes from the current position when at least `count` remain; nothing otherwise.
    const char* Ahead(size_t count) const { return size_ - pos_ >= count ? data_ + pos_ : nullptr; }
    void Skip(size_t count) { pos_ += count; }

    void Next(Line& line) {
        line.data = data_;
        line.starts[0] = pos_;
        line.fieldCount = 0;
        size_t start = pos_;
        for (size_t window = pos_;; window += kWindow) {
            Stops stops = StopsFrom(window);
            std::uint64_t end = stops.ends & -stops.ends;
            Cut(line, start, window, end == 0 ? stops.separators : stops.separators & (end - 1));
            if (end != 0) return Finish(line, start, window + static_cast<size_t>(std::countr_zero(end)));
            if (window + kWindow >= size_) return Finish(line, start, size_);
        }
    }

  private:
    static constexpr size_t kWindow = Line::kWindow;

    struct Stops {
        std::uint64_t separators = 0;
        std::uint64_t ends = 0;
    };

    // Notes a field for each separator bit of the window from `window`. Only positions are
    // written, and the count is kept in a register: with a view and the count stored for every
    // field, each field waited on the one before through memory.
    void Cut(Line& line, size_t& start, size_t window, std::uint64_t separators) const {
        if (separators == 0) return;
        size_t count = line.fieldCount;
        if (count < kMaxFields) {
            // Room for a whole window's separators after the kept fields.
            for (; separators != 0; separators &= separators - 1)
                line.starts[++count] = window + static_cast<unsigned>(std::countr_zero(separators)) + 1;
            start = line.starts[count];
        } else {
            count += static_cast<size_t>(std::popcount(separators));
            start = window + kWindow - static_cast<size_t>(std::countl_zero(separators));
        }
        line.fieldCount = count;
    }

    // Closes the line whose last field ends at `p`: a line end there, or the end of the bytes.
    void Finish(Line& line, size_t start, size_t p) {
        line.rest = std::string_view(data_ + start, p - start);
        line.ended = p < size_;
        // A line ends in CR LF, a lone LF or a lone CR.
        if (p < size_) p += data_[p] == '\r' && p + 1 < size_ && data_[p + 1] == '\n' ? 2 : 1;
        pos_ = p;
    }

    // The separators and line ends among the 64 bytes from `at`, bit 0 for the first, up to the
    // first 16 bytes that hold a line end. Past the end of the bytes, the window is padded with
    // zero bytes, which are no stops.
    Stops StopsFrom(size_t at) const {
        const char* bytes = data_ + at;
        char padded[kWindow];
        if (size_ - at < kWindow) {
            std::memset(padded, 0, kWindow);
            std::memcpy(padded, bytes, size_ - at);
            bytes = padded;
        }
        Stops stops;
        for (size_t i = 0; i < kWindow && stops.ends == 0; i += 16) {
#if defined(__SSE2__)
            __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
            __m128i separators = _mm_cmpeq_epi8(chunk, _mm_set1_epi8(kSeparator));
            __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('\r')),
                                        _mm_cmpeq_epi8(chunk, _mm_set1_epi8('\n')));
            stops.separators |= Bits(separators) << i;
            stops.ends |= Bits(ends) << i;
#else
            for (size_t j = i; j < i + 16; ++j) {
                stops.separators |= std::uint64_t{bytes[j] == kSeparator} << j;
                stops.ends |= std::uint64_t{bytes[j] == '\r' || bytes[j] == '\n'} << j;
            }
#endif
        }
        return stops;
    }

#if defined(__SSE2__)
    static std::uint64_t Bits(__m128i found) {
        return static_cast<std::uint16_t>(_mm_movemask_epi8(found));
    }
#endif

    const char* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A code of `Width` bytes (the caller has checked its size) as one integer: the key of the
// definition look-ups. Defined codes hold no NUL byte, so their keys are never 0.
//
// Built from whole loads of 4, 2 and 1 bytes: copying 5 or 6 bytes into a variable in memory and
// reading it back whole stalls the read until the copy has landed.
template <size_t Width> std::uint64_t Pack(const char* code) {
    static_assert(Width <= 8);
    if constexpr (Width == 0) {
        return 0;
    } else if constexpr (Width == 8) {
        std::uint64_t part;
        std::memcpy(&part, code, sizeof part);
        return part;
    } else if constexpr (Width >= 4) {
        std::uint32_t part;
        std::memcpy(&part, code, sizeof part);
        return part | Pack<Width - 4>(code + 4) << 32;
    } else if constexpr (Width >= 2) {
        std::uint16_t part;
        std::memcpy(&part, code, sizeof part);
        return part | Pack<Width - 2>(code + 2) << 16;
    } else {
        return static_cast<unsigned char>(*code);
    }
}

template <size_t Width> std::uint64_t Pack(std::string_view code) {
    return Pack<Width>(code.data());
}

// Open-addressing map from packed codes (never 0) to definition positions. Every menu line looks
// up four codes; the standard node-based map spent most of the reading time chasing its nodes, so
// the keys sit in one flat array that the look-ups scan.
class CodeIndex {
  public:
    // False (and nothing changed) when the key is there already.
    bool Insert(std::uint64_t key, std::uint32_t position) {
        if ((keys_.size() - free_ + 1) * 3 > keys_.size()) Grow(); // short probe runs: a third full at most
        size_t slot = Slot(key);
        if (keys_[slot] == key) return false;
        keys_[slot] = key;
        positions_[slot] = position;
        --free_;
        return true;
    }

    bool Contains(std::uint64_t key) {
        std::uint32_t position;
        return Find(key, position);
    }

    // Menu lines come grouped by service and diet, so the key found last is kept at hand. The
    // position comes back through a reference: an optional returned from a call that is not
    // inlined went through memory in two pieces, and reading it whole waited for both. Inlined
    // into each menu line's reading, the look-up overlaps with the rest of the line's work.
    [[gnu::always_inline]] bool Find(std::uint64_t key, std::uint32_t& position) {
        if (key == lastKey_ && key != 0) {
            position = lastPosition_;
            return true;
        }
        if (keys_.empty() || key == 0) return false;
        size_t slot = Home(key);
        // Most keys sit in their home slot or the next. Both are compared at once: a probe loop
        // branches on every slot, which collisions make hard to predict.
        size_t next = (slot + 1) & (keys_.size() - 1);
        if ((keys_[slot] == key) | (keys_[next] == key)) {
            slot = keys_[slot] == key ? slot : next;
        } else {
            slot = Slot(key);
            if (keys_[slot] != key) return false;
        }
        lastKey_ = key;
        lastPosition_ = positions_[slot];
        position = lastPosition_;
        return true;
    }

  private:
    // Where the key is, or the free slot where it would go.
    size_t Slot(std::uint64_t key) const {
        size_t slot = Home(key);
        while (keys_[slot] != key && keys_[slot] != 0)
            slot = (slot + 1) & (keys_.size() - 1);
        return slot;
    }

    // Fibonacci hashing: the top bits of the product spread codes that differ in one digit.
    size_t Home(std::uint64_t key) const {
        return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
    }

    void Grow() {
        std::vector<std::uint64_t> keys = std::move(keys_);
        std::vector<std::uint32_t> positions = std::move(positions_);
        keys_.assign(std::max<size_t>(16, keys.size() * 2), 0);
        positions_.assign(keys_.size(), 0);
        shift_ = 64 - std::countr_zero(keys_.size());
        free_ = keys_.size();
        for (size_t i = 0; i < keys.size(); ++i)
            if (keys[i] != 0) Insert(keys[i], positions[i]);
    }

    std::vector<std::uint64_t> keys_; // 0: free
    std::vector<std::uint32_t> positions_;
    size_t free_ = 0;
    int shift_ = 64;
    std::uint64_t lastKey_ = 0; // 0: none
    std::uint32_t lastPosition_ = 0;
};

// The dish codes a file defines. Every menu line looks one up, and the dishes come in no order,
// so a hash table of 5,000 of them (128 KB) cost a trip past the nearest caches for nearly every
// line. A branch numbers its dishes, so their codes are mostly six digits: those are kept as bits
// indexed by their number, where 5,000 dishes take 625 bytes. Other codes go to a hash table.
class DishCodes {
  public:
    // False (and nothing changed) when the code is there already.
    bool Insert(std::string_view code) {
        std::uint32_t number;
        if (!Number(code, number)) return others_.Insert(Pack<kDishWidth>(code), 0);
        std::uint64_t bit = std::uint64_t{1} << (number % 64);
        if (number / 64 >= numbered_.size()) numbered_.resize(number / 64 + 1);
        std::uint64_t& word = numbered_[number / 64];
        if ((word & bit) != 0) return false;
        word |= bit;
        return true;
    }

    // Inlined, like CodeIndex::Find.
    [[gnu::always_inline]] bool Contains(std::string_view code) {
        std::uint32_t number;
        if (!Number(code, number)) return others_.Contains(Pack<kDishWidth>(code));
        return number / 64 < numbered_.size() && (numbered_[number / 64] >> (number % 64) & 1) != 0;
    }

  private:
    // The number a code of six digits stands for, read from its six bytes at once.
    static bool Number(std::string_view code, std::uint32_t& number) {
        constexpr std::uint64_t kZeros = 0x303030303030, kHighHalves = 0xF0F0F0F0F0F0, kSix = 0x060606060606;
        std::uint64_t bytes = Pack<kDishWidth>(code); // the first digit in the lowest byte
        if ((bytes & kHighHalves) != kZeros || ((bytes + kSix) & kHighHalves) != kZeros) return false;
        std::uint64_t digits = bytes - kZeros;
        // Each digit times ten plus the next: the three pairs' values in the low bytes of three halves.
        std::uint64_t pairs = (digits * 10 + (digits >> 8)) & 0x00FF00FF00FF;
        number = static_cast<std::uint32_t>((pairs & 0xFF) * 10000 + (pairs >> 16 & 0xFF) * 100 +
                                            (pairs >> 32 & 0xFF));
        return true;
    }

    std::vector<std::uint64_t> numbered_;
    CodeIndex others_;
};

// A byte for a message, as 0x9D.
std::string HexByte(char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    unsigned char b = static_cast<unsigned char>(byte);
    return std::string("0x") + kDigits[b >> 4] + kDigits[b & 0xF];
}

// A raw field for a message: decoded, and cut short when long.
std::string Quote(std::string_view raw) {
    constexpr size_t kShown = 30;
    if (raw.size() <= kShown) return "\"" + DecodeWindows1252(raw) + "\"";
    return "\"" + DecodeWindows1252(raw.substr(0, kShown)) + "...\"";
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

class Parser {
  public:
    Parser(std::string_view bytes, const MenuLineSink& sink) : lines_(bytes), sink_(sink) {}

    IntegrationFileReadResult Run() {
        if (lines_.AtEnd()) {
            lineNumber_ = 1;
            FailLine("arquivo vazio, falta a linha de cabeçalho");
        } else if (NextLine() && Header()) {
            while (!lines_.AtEnd() && NextRecord()) {
            }
        }
        result_.ok = result_.error.empty();
        return std::move(result_);
    }

  private:
    // Reads the next line: whole, and with at least its first field.
    bool NextLine() {
        ++lineNumber_;
        lines_.Next(line_);
        return (line_.ended && line_.fieldCount != 0) || Unfinished();
    }

    [[gnu::cold]] bool Unfinished() {
        if (line_.fieldCount == 0 && line_.rest.empty() && line_.ended) return FailLine("linha vazia");
        if (!line_.ended) {
            size_t field = std::max<size_t>(1, line_.fieldCount + (line_.rest.empty() ? 0 : 1));
            return Fail(field, line_.rest.empty()
                                   ? "última linha incompleta: o arquivo termina sem fim de linha"
                                   : "última linha incompleta: o arquivo termina dentro deste campo");
        }
        return Fail(1, "campo não terminado pelo separador");
    }

    // Checks that the line has exactly the fields of `layout`, each terminated. Small, so that
    // it joins every menu line's work instead of being called; the faults are told apart below.
    bool Shape(const RecordLayout& layout) {
        layout_ = &layout;
        return (line_.fieldCount == layout.fieldCount && line_.rest.empty()) || Misshapen();
    }

    [[gnu::cold]] bool Misshapen() {
        size_t expected = layout_->fieldCount;
        if (line_.fieldCount < expected) {
            size_t field = line_.fieldCount + 1;
            if (!line_.rest.empty()) return Fail(field, "campo não terminado pelo separador");
            return Fail(field, "falta " + std::string(FieldName(field)));
        }
        return Fail(expected + 1, "dados depois do último campo (" + std::string(layout_->type) + " tem " +
                                      std::to_string(expected) + " campos)");
    }

    bool Header() {
        IntegrationHeader& header = result_.file.header;
        if (Field(1) != kHeader.type)
            return Fail(1, "o tipo de arquivo deve ser \"CARDAPIO\", veio " + Quote(Field(1)));
        if (!Shape(kHeader) || !Code(2, kBranchWidth, header.originBranch) ||
            !Name(3, kBranchNameMax, header.originBranchName) || !Day(4, header.firstDay) ||
            !Day(5, header.lastDay))
            return false;
        if (header.lastDay < header.firstDay) return Fail(5, "o último dia é anterior ao primeiro dia");
        return true;
    }

    // Reads the next line and hands it to the parser of its record type.
    bool NextRecord() {
        if (QuickMenuLine()) return true;
        if (!NextLine()) return false;
        std::string_view type = Field(1);
        if (type == kMenuItem.type) return Shape(kMenuItem) && MenuItem();
        const RecordLayout* layouts[] = {&kService, &kDiet, &kDishType, &kDish};
        for (const RecordLayout* layout : layouts) {
            if (type != layout->type) continue;
            if (inMenu_)
                return Fail(1, std::string(type) +
                                   " depois da primeira linha de cardápio: as definições vêm antes");
            if (!Shape(*layout)) return false;
            if (layout == &kService) return Service();
            if (layout == &kDiet) return Diet();
            if (layout == &kDishType) return DishType();
            return Dish();
        }
        return Fail(1, "tipo de registro desconhecido " + Quote(type));
    }

    bool Service() {
        FileService service;
        if (!Code(2, kServiceWidth, service.code) || !Name(3, kServiceNameMax, service.name) ||
            !Flag(4, service.hospital))
            return false;
        bool added = services_.Insert(Pack<kServiceWidth>(Field(2)), Position(result_.file.services));
        if (!added) return Fail(2, "serviço " + Quote(Field(2)) + " definido mais de uma vez");
        result_.file.services.push_back(std::move(service));
        return true;
    }

    bool Diet() {
        FileDiet diet;
        std::uint32_t service = 0;
        if (!DefinedService(2, service) || !Code(3, kDietWidth, diet.code) ||
            !Name(4, kDietNameMax, diet.name))
            return false;
        diet.service = result_.file.services[service].code;
        bool added = diets_.Insert(DietKey(service, Field(3)), Position(result_.file.diets));
        if (!added)
            return Fail(3, "dieta " + Quote(Field(3)) + " definida mais de uma vez para este serviço");
        result_.file.diets.push_back(std::move(diet));
        return true;
    }

    bool DishType() {
        FileDishType dishType;
        std::uint32_t service = 0;
        if (!DefinedService(2, service) || !Code(3, kDishTypeWidth, dishType.code) ||
            !Number(4, 1, kSequenceMax, dishType.sequence) || !Number(5, 0, kOrderMax, dishType.order) ||
            !Name(6, kDishTypeNameMax, dishType.name) || !Flag(7, dishType.option))
            return false;
        dishType.service = result_.file.services[service].code;
        auto key = DishTypeKey(service, Field(3), dishType.sequence);
        bool added = dishTypes_.Insert(key, Position(result_.file.dishTypes));
        if (!added)
            return Fail(4, "tipo de prato " + Quote(Field(3)) + " com sequência " +
                               std::to_string(dishType.sequence) +
                               " definido mais de uma vez para este serviço");
        result_.file.dishTypes.push_back(std::move(dishType));
        return true;
    }

    bool Dish() {
        FileDish dish;
        if (!Code(2, kDishWidth, dish.code) || !Name(3, kDishNameMax, dish.name)) return false;
        bool added = dishes_.Insert(Field(2));
        if (!added) return Fail(2, "prato " + Quote(Field(2)) + " definido mais de uma vez");
        result_.file.dishes.push_back(std::move(dish));
        return true;
    }

    // The views handed on point into the file: a menu line's codes are byte for byte those of the
    // definitions, which hold only ASCII letters, digits and blanks, so they read the same in UTF-8.
    bool MenuItem() {
        inMenu_ = true;
        std::uint32_t service = 0;
        TDateTime date;
        int sequence = 0, diners = 0;
        if (!DefinedService(2, service) || !MenuDay(3, date)) return false;
        std::string_view dietCode = Field(4), dishTypeCode = Field(5), dishCode = Field(7);
        if (!(dietCode.size() == kDietWidth && diets_.Contains(DietKey(service, dietCode))))
            return Fail(4, "dieta " + Quote(dietCode) + " não definida para o serviço " + Quote(Field(2)));
        if (!Number(6, 1, kSequenceMax, sequence)) return false;
        if (!(dishTypeCode.size() == kDishTypeWidth &&
              dishTypes_.Contains(DishTypeKey(service, dishTypeCode, sequence))))
            return Fail(5, "tipo de prato " + Quote(dishTypeCode) + " com sequência " +
                               std::to_string(sequence) + " não definido para o serviço " + Quote(Field(2)));
        if (!(dishCode.size() == kDishWidth && dishes_.Contains(dishCode)))
            return Fail(7, "prato " + Quote(dishCode) + " não definido");
        if (!Number(8, 0, kDinersMax, diners)) return false;
        Deliver(MenuLine{Field(2), date, dietCode, dishTypeCode, sequence, dishCode, diners});
        return true;
    }

    // A menu line as the writer lays it out (codes of their widths, the day of the line before,
    // CR LF) is read at the offsets the widths give, without cutting it: nearly every line of a
    // file, at a fraction of the work. Its separators are checked where the widths put them and
    // its codes against the definitions, which hold no separator or line end: together they prove
    // the cut that the general way would make. Any other shape, and every fault, is left to the
    // general way, which names it.
    bool QuickMenuLine() {
        constexpr size_t kLongest = 64; // with numbers of nine digits, 57 bytes
        const char* line = lines_.Ahead(kLongest);
        if (line == nullptr || std::string_view(line, 5) != "ITEM\xF8" || line[10] != kSeparator ||
            line[19] != kSeparator || line[24] != kSeparator || line[27] != kSeparator)
            return false;
        std::uint32_t sequence = 0, diners = 0;
        size_t sequenceDigits = DigitRun(line + 28, sequence);
        const char* dish = line + 29 + sequenceDigits;
        size_t dinersDigits = DigitRun(dish + 7, diners);
        const char* end = dish + 7 + dinersDigits;
        if (sequenceDigits == 0 || dish[-1] != kSeparator || dish[6] != kSeparator || dinersDigits == 0 ||
            end[0] != kSeparator || end[1] != '\r' || end[2] != '\n' || sequence < 1 ||
            sequence > kSequenceMax)
            return false;
        std::uint32_t service;
        std::uint64_t day = Pack<8>(line + 11);
        std::string_view diet(line + 20, kDietWidth), dishType(line + 25, kDishTypeWidth),
            dishCode(dish, kDishWidth);
        if (!services_.Find(Pack<kServiceWidth>(line + 5), service) || day != lastDayKey_ || day == 0 ||
            !diets_.Contains(DietKey(service, diet)) ||
            !dishTypes_.Contains(DishTypeKey(service, dishType, static_cast<int>(sequence))) ||
            !dishes_.Contains(dishCode))
            return false;
        lines_.Skip(static_cast<size_t>(end + 3 - line));
        ++lineNumber_;
        Deliver(MenuLine{std::string_view(line + 5, kServiceWidth), lastDay_, diet, dishType,
                         static_cast<int>(sequence), dishCode, static_cast<int>(diners)});
        return true;
    }

    // The digits from `at`, nine at most, and their value.
    static size_t DigitRun(const char* at, std::uint32_t& value) {
        size_t count = 0;
        for (std::uint32_t digit;
             count < 9 && (digit = static_cast<unsigned char>(at[count]) - std::uint32_t{'0'}) <= 9; ++count)
            value = value * 10 + digit;
        return count;
    }

    void Deliver(const MenuLine& line) {
        ++result_.menuLines;
        if (sink_) sink_(line);
    }

    template <typename Definitions> static std::uint32_t Position(const Definitions& definitions) {
        return static_cast<std::uint32_t>(definitions.size());
    }

    static std::uint64_t DietKey(std::uint32_t service, std::string_view diet) {
        return std::uint64_t{service} << 32 | Pack<kDietWidth>(diet);
    }

    static std::uint64_t DishTypeKey(std::uint32_t service, std::string_view dishType, int sequence) {
        return std::uint64_t{service} << 24 | Pack<kDishTypeWidth>(dishType) << 8 |
               static_cast<std::uint64_t>(sequence);
    }

    bool DefinedService(size_t field, std::uint32_t& found) {
        std::string_view code = Field(field);
        if (code.size() != kServiceWidth || !services_.Find(Pack<kServiceWidth>(code), found))
            return Fail(field, "serviço " + Quote(code) + " não definido");
        return true;
    }

    // A code in stored form: exactly `width` letters, digits or blanks, not all blank.
    bool Code(size_t field, size_t width, std::string& out) {
        std::string_view raw = Field(field);
        if (raw.size() != width)
            return Fail(field, std::string(FieldName(field)) + " " + Quote(raw) + " deve ter " +
                                   std::to_string(width) + " caracteres");
        auto allowed = [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
        };
        if (!std::all_of(raw.begin(), raw.end(), allowed) || IsBlank(raw))
            return Fail(field, std::string(FieldName(field)) + " " + Quote(raw) +
                                   " deve ter letras, dígitos ou brancos, não só brancos");
        out = std::string(raw);
        return true;
    }

    bool Name(size_t field, size_t maxCharacters, std::string& out) {
        std::string_view raw = Field(field);
        if (IsBlank(raw)) return Fail(field, std::string(FieldName(field)) + " está vazio");
        // Windows-1252 holds one character per byte, so bytes count characters here.
        if (raw.size() > maxCharacters)
            return Fail(field, std::string(FieldName(field)) + " tem " + std::to_string(raw.size()) +
                                   " caracteres, o máximo é " + std::to_string(maxCharacters));
        // A byte the code page leaves undefined has no character to keep: the name could be
        // neither shown nor written back as it came.
        if (auto odd = std::find_if_not(raw.begin(), raw.end(), IsWindows1252Character); odd != raw.end())
            return Fail(field, std::string(FieldName(field)) + " contém o byte " + HexByte(*odd) +
                                   ", que o Windows-1252 não define");
        out = DecodeWindows1252(raw);
        return true;
    }

    bool Flag(size_t field, bool& out) {
        std::string_view raw = Field(field);
        if (raw != "S" && raw != "N")
            return Fail(field,
                        std::string(FieldName(field)) + " deve ser \"S\" ou \"N\", veio " + Quote(raw));
        out = raw == "S";
        return true;
    }

    bool Number(size_t field, int min, int max, int& out) {
        std::string_view raw = Field(field);
        // Nine digits at most, so the value fits; unsigned, so that garbage wraps harmlessly. The
        // digits are checked all together at the end, with no branch per digit.
        if (raw.empty() || raw.size() > 9) return NotANumber(field, min, max);
        std::uint32_t value = 0;
        bool digits = true;
        for (char c : raw) {
            std::uint32_t digit = static_cast<unsigned char>(c) - std::uint32_t{'0'};
            digits &= digit <= 9;
            value = value * 10 + digit;
        }
        if (!digits || value < static_cast<std::uint32_t>(min) || value > static_cast<std::uint32_t>(max))
            return NotANumber(field, min, max);
        out = static_cast<int>(value);
        return true;
    }

    // Apart from Number, which every menu line runs twice, so that it stays small.
    [[gnu::cold]] bool NotANumber(size_t field, int min, int max) {
        return Fail(field, std::string(FieldName(field)) + " " + Quote(Field(field)) +
                               " deve ser um número inteiro de " + std::to_string(min) + " a " +
                               std::to_string(max));
    }

    bool Day(size_t field, TDateTime& out) {
        std::string_view raw = Field(field);
        int parts[3] = {0, 0, 0};
        const size_t ends[3] = {4, 6, 8};
        bool valid = raw.size() == 8;
        for (size_t i = 0, part = 0; valid && i < raw.size(); ++i) {
            valid = raw[i] >= '0' && raw[i] <= '9';
            if (i == ends[part]) ++part;
            parts[part] = parts[part] * 10 + (raw[i] - '0');
        }
        if (!valid || !TryEncodeDate(parts[0], parts[1], parts[2], out))
            return Fail(field, std::string(FieldName(field)) + " " + Quote(raw) +
                                   " não é um dia escrito como aaaammdd");
        return true;
    }

    // A menu line's day: inside the header's period. Consecutive lines mostly share their day,
    // so the last one decoded is kept.
    bool MenuDay(size_t field, TDateTime& out) {
        std::string_view raw = Field(field);
        std::uint64_t key = raw.size() == 8 ? Pack<8>(raw) : 0;
        if (key == 0 || key != lastDayKey_) {
            TDateTime day;
            if (!Day(field, day)) return false;
            const IntegrationHeader& header = result_.file.header;
            if (day < header.firstDay || header.lastDay < day)
                return Fail(field, "data " + Quote(raw) + " fora do período do arquivo");
            lastDayKey_ = key;
            lastDay_ = day;
        }
        out = lastDay_;
        return true;
    }

    std::string_view Field(size_t field) const { return line_.Field(field); }
    std::string_view FieldName(size_t field) const { return layout_->fieldNames[field - 1]; }

    // Cold: the compiler keeps the building of messages out of the way of the lines that pass.
    [[gnu::cold]] bool Fail(size_t field, const std::string& reason) {
        return FailAt("linha " + std::to_string(lineNumber_) + ", campo " + std::to_string(field), reason);
    }

    [[gnu::cold]] bool FailLine(const std::string& reason) {
        if (lineNumber_ == 0) lineNumber_ = 1;
        return FailAt("linha " + std::to_string(lineNumber_), reason);
    }

    // The header passes the screen's own check on weaker rules (a day of seven digits, a period
    // that ends before it starts): the reader says plainly that the header is what is wrong.
    [[gnu::cold]] bool FailAt(const std::string& where, const std::string& reason) {
        result_.error =
            (lineNumber_ == 1 ? "o cabeçalho do arquivo está errado (" + where + "): " : where + ": ") +
            reason;
        return false;
    }

    LineSplitter lines_;
    const MenuLineSink& sink_;
    IntegrationFileReadResult result_;
    Line line_;
    const RecordLayout* layout_ = nullptr;
    std::uint64_t lineNumber_ = 0;
    bool inMenu_ = false;
    CodeIndex services_, diets_, dishTypes_;
    DishCodes dishes_;
    std::uint64_t lastDayKey_ = 0;
    TDateTime lastDay_;
};

// Why the system refused the file, in the user's words (the C library's texts are English).
std::string SystemReason(int error) {
    switch (error) {
    case ENOENT:
        return "o arquivo não existe";
    case EACCES:
    case EPERM:
        return "acesso negado";
    case EISDIR:
        return "é uma pasta";
    case ENOMEM:
        return "memória insuficiente";
    default:
        return "erro " + std::to_string(error) + " do sistema";
    }
}

// The file's bytes, mapped read-only for the duration of one read.
class MappedFile {
  public:
    explicit MappedFile(const std::filesystem::path& path) {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error_ = "não é possível abrir o arquivo " + path.string() + ": " + SystemReason(errno);
            return;
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            error_ = "não é possível ler o arquivo " + path.string() + ": não é um arquivo comum";
        } else if (info.st_size > 0) {
            void* data = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (data == MAP_FAILED) {
                error_ = "não é possível ler o arquivo " + path.string() + ": " + SystemReason(errno);
            } else {
                ::madvise(data, static_cast<size_t>(info.st_size), MADV_SEQUENTIAL);
                bytes_ = std::string_view(static_cast<const char*>(data), static_cast<size_t>(info.st_size));
            }
        }
        ::close(fd);
    }
    ~MappedFile() {
        if (!bytes_.empty()) ::munmap(const_cast<char*>(bytes_.data()), bytes_.size());
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view Bytes() const { return bytes_; }
    const std::string& Error() const { return error_; }

  private:
    std::string_view bytes_;
    std::string error_;
};

} // namespace

IntegrationFileReadResult IntegrationFileReader::Read(const std::filesystem::path& path,
                                                      const MenuLineSink& sink) {
    MappedFile file(path);
    if (!file.Error().empty()) {
        IntegrationFileReadResult result;
        result.error = file.Error();
        return result;
    }
    return Parse(file.Bytes(), sink);
}

IntegrationFileReadResult IntegrationFileReader::Parse(std::string_view bytes, const MenuLineSink& sink) {
    return Parser(bytes, sink).Run();
}

IntegrationFileReadResult IntegrationFileReader::ReadDefinitions(const std::filesystem::path& path) {
    return Read(path, MenuLineSink());
}
