#include "cli/DeclarationReader.h"
#include "cli/InputError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quillmark::cli {
namespace {

// One expected reading: "Type Name" pairs joined by "|", optional parameters marked with "?".
struct Case {
    const char* declaration;
    ProcedureKind kind;
    AccessLevel access;
    const char* name;
    const char* returns;
    const char* parameters; // "type name|type name?" ("?" marks optional); "" for none
};

QString Describe(const QList<CommentParameter>& parameters) {
    QStringList parts;
    for (const CommentParameter& p : parameters) {
        parts.append(p.Type + u' ' + p.Name + (p.IsOptional() ? QStringLiteral("?") : QString()));
    }
    return parts.join(u'|');
}

void Check(DevelopmentLanguage language, const Case& c) {
    SCOPED_TRACE(c.declaration);
    ParsedDeclaration parsed;
    try {
        parsed = DeclarationReader::Read(language, QString::fromUtf8(c.declaration));
    } catch (const InputError& error) {
        FAIL() << error.Message().toStdString();
    }
    EXPECT_EQ(parsed.Kind, c.kind);
    EXPECT_EQ(parsed.Access, c.access);
    EXPECT_EQ(parsed.Name, QString::fromUtf8(c.name));
    EXPECT_EQ(parsed.Returns, QString::fromUtf8(c.returns));
    EXPECT_EQ(Describe(parsed.Parameters), QString::fromUtf8(c.parameters));
}

constexpr auto Sub = ProcedureKind::Sub;
constexpr auto Function = ProcedureKind::Function;
constexpr auto Property = ProcedureKind::Property;
constexpr auto Public = AccessLevel::Public;
constexpr auto Private = AccessLevel::Private;
constexpr auto Protected = AccessLevel::Protected;

TEST(DeclarationParserTest, VisualBasic) {
    const Case cases[] = {
        {"Public Function GetTotal(ByVal OrderID As Long, Optional Discount As Single = 0) As "
         "Currency",
         Function, Public, "GetTotal", "Currency", "Long OrderID|Single Discount?"},
        {"Private Sub Main()", Sub, Private, "Main", "", ""},
        {"Sub Main", Sub, Public, "Main", "", ""},
        {"Friend Property Get Total() As Double", Property, Public, "Get Total", "Double", ""},
        {"Public Property Let Total(ByVal vNewValue As Double)", Property, Public, "Let Total", "",
         "Double vNewValue"},
        {"Property Set Conn(ByRef c As ADODB.Connection)", Property, Public, "Set Conn", "",
         "ADODB.Connection c"},
        {"Public Function Sum(ParamArray Values() As Variant) As Double", Function, Public, "Sum",
         "Double", "Variant() Values?"},
        {"Function Fill(x() As Long, ByRef n&, s$) As Boolean", Function, Public, "Fill", "Boolean",
         "Long() x|Long n|String s"},
        {"Function Pad(Text, Optional ByVal Width As Integer = 10)", Function, Public, "Pad",
         "Variant", "Variant Text|Integer Width?"},
        {"Public Function Name$(ByVal Id As Long)", Function, Public, "Name", "String", "Long Id"},
        {"Public Function Lookup( _\r\n    ByVal Key As String, _\r\n    Optional ByVal "
         "Default As String = \"a, b\") _\r\n  As String\r\n  Lookup = Key\r\nEnd Function",
         Function, Public, "Lookup", "String", "String Key|String Default?"},
        {"Private Declare Function GetTickCount Lib \"kernel32\" () As Long", Function, Private,
         "GetTickCount", "Long", ""},
        {"Private Declare PtrSafe Function Beep Lib \"kernel32\" Alias \"Beep\" (ByVal f As "
         "Long, ByVal d As Long) As Long ' beeps",
         Function, Private, "Beep", "Long", "Long f|Long d"},
        // The 64-bit wrapper of conditional compilation: the first declaration counts.
        {"#If VBA7 Then\n  Private Declare PtrSafe Sub Sleep Lib \"kernel32\" (ByVal ms As "
         "LongPtr)\n#Else\n  Private Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)\n"
         "#End If",
         Sub, Private, "Sleep", "", "LongPtr ms"},
        {"Sub Due(Optional d As Date = #1/2/2000#)", Sub, Public, "Due", "", "Date d?"},
        {"Protected Overridable Function Items(Of T)(list As List(Of T)) As T()", Function,
         Protected, "Items", "T()", "List(Of T) list"},
        {"Public Sub SetName(Buffer As String * 20)", Sub, Public, "SetName", "",
         "String * 20 Buffer"},
        {"public static function lower(ByVal s as String) as String", Function, Public, "lower",
         "String", "String s"},
    };
    for (const Case& c : cases) {
        Check(DevelopmentLanguage::VB, c);
    }
}

TEST(DeclarationParserTest, CAndCpp) {
    const Case cases[] = {
        {"static int parse_header(const char *buf, size_t len)", Function, Private, "parse_header",
         "int", "const char* buf|size_t len"},
        {"int main(void)", Function, Public, "main", "int", ""},
        {"void reset()", Sub, Public, "reset", "", ""},
        {"static void Log(const char* fmt, ...);", Sub, Private, "Log", "", "const char* fmt| ..."},
        {"void qsort(void *base, size_t n, size_t size, int (*compar)(const void *, const void "
         "*));",
         Sub, Public, "qsort", "",
         "void* base|size_t n|size_t size|int (*)(const void*, const "
         "void*) compar"},
        {"void (*signal(int sig, void (*func)(int)))(int);", Function, Public, "signal",
         "void (*)(int)", "int sig|void (*)(int) func"},
        {"template <typename K, typename V>\nstd::map<K, V> Merge(const std::map<K, V>& a, "
         "std::map<K, V> b = {}) const",
         Function, Public, "Merge", "std::map<K, V>", "const std::map<K, V>& a|std::map<K, V> b?"},
        {"[[nodiscard]] static inline std::optional<int> Parser::Next(std::string_view text, "
         "int flags = DEFAULT | 2) noexcept override",
         Function, Public, "Parser::Next", "std::optional<int>",
         "std::string_view text|int flags?"},
        {"virtual const std::string& name() const = 0;", Function, Public, "name",
         "const std::string&", ""},
        {"public: explicit Widget(QWidget* parent = nullptr);", Sub, Public, "Widget", "",
         "QWidget* parent?"},
        {"protected:\n  ~Widget() override;", Sub, Protected, "~Widget", "", ""},
        // Qt's class sections and the marking or exporting macros of common libraries.
        {"private slots:\n    void onSaveClicked(bool checked);", Sub, Private, "onSaveClicked", "",
         "bool checked"},
        {"signals:\n    void changed();", Sub, Public, "changed", "", ""},
        {"Q_INVOKABLE void doIt(int x);", Sub, Public, "doIt", "", "int x"},
        // A comparison in a default value is no template list.
        {"void resize(int w, bool shrink = w < 100, int h = 0);", Sub, Public, "resize", "",
         "int w|bool shrink?|int h?"},
        {"void fit(std::array<int, (N < 3) ? 1 : 2> a, std::map<K, std::vector<V>> m);", Sub,
         Public, "fit", "", "std::array<int, (N<3)?1:2> a|std::map<K, std::vector<V>> m"},
        {"MYLIB_API void Init(void);", Sub, Public, "Init", "", ""},
        // Function-like macros in front: their argument is the return type when none other is.
        {"PyAPI_FUNC(PyObject *) PyList_New(Py_ssize_t size);", Function, Public, "PyList_New",
         "PyObject*", "Py_ssize_t size"},
        {"_Success_(return != 0) BOOL WINAPI ReadFile(_In_ HANDLE hFile);", Function, Public,
         "ReadFile", "BOOL", "_In_ HANDLE hFile"},
        {"Q_DECL_DEPRECATED_X(\"use g\") void f(int x);", Sub, Public, "f", "", "int x"},
        {"Widget(int size) : size_(size) {}", Sub, Public, "Widget", "", "int size"},
        {"template <> void swap<Foo>(Foo& a, Foo& b) noexcept;", Sub, Public, "swap<Foo>", "",
         "Foo& a|Foo& b"},
        {"template <typename T> requires std::integral<T> && (sizeof(T) > 1) T gcd(T a, T b);",
         Function, Public, "gcd", "T", "T a|T b"},
        {"JNIEXPORT jint JNICALL Java_Sum(JNIEnv* env)", Function, Public, "Java_Sum", "jint",
         "JNIEnv* env"},
        {"void Fill(int values[], char grid[3][4], int (&row)[8]);", Sub, Public, "Fill", "",
         "int[] values|char[3][4] grid|int (&)[8] row"},
        {"auto Make(std::function<void(int, int)> cb) -> std::unique_ptr<Widget>", Function, Public,
         "Make", "std::unique_ptr<Widget>", "std::function<void(int, int)> cb"},
        {"bool operator==(const Point& a, const Point& b)", Function, Public, "operator==", "bool",
         "const Point& a|const Point& b"},
        {"Matrix::operator()(int row, int col)", Sub, Public, "Matrix::operator()", "",
         "int row|int col"},
        {"explicit operator bool() const", Function, Public, "operator bool", "bool", ""},
        {"unsigned long long Hash(const unsigned char*, unsigned long)", Function, Public, "Hash",
         "unsigned long long", "const unsigned char* |unsigned long "},
        {"__attribute__((visibility(\"default\"))) int __stdcall Count(struct list *head) "
         "/* the list */ { return 0; }",
         Function, Public, "Count", "int", "struct list* head"},
        {"template <class... Args> void Emit(Args&&... args)", Sub, Public, "Emit", "",
         "Args&&... args"},
        {"int Call(int (Widget::*method)(int) const, Widget& w)", Function, Public, "Call", "int",
         "int (Widget::*)(int) const method|Widget& w"},
        {"#include <x>\nextern \"C\" char *strdup(const char *s);", Function, Public, "strdup",
         "char*", "const char* s"},
    };
    for (const Case& c : cases) {
        Check(DevelopmentLanguage::VC, c);
    }
}

TEST(DeclarationParserTest, Delphi) {
    const Case cases[] = {
        {"function GetTotal(const OrderID: Integer; var Discount: Double): Currency;", Function,
         Public, "GetTotal", "Currency", "Integer OrderID|Double Discount"},
        {"procedure Move(a, b: Integer; out c: string);", Sub, Public, "Move", "",
         "Integer a|Integer b|string c"},
        {"procedure Process(const [Ref] Data: TBigRecord; [Ref] const Key: string);", Sub, Public,
         "Process", "", "TBigRecord Data|string Key"},
        {"private\n  procedure TOrder.Clear; override;", Sub, Private, "TOrder.Clear", "", ""},
        {"class function TOrder.Create(Owner: TComponent = nil; Flags: array of const): TOrder; "
         "static;",
         Function, Public, "TOrder.Create", "TOrder", "TComponent Owner?|array of const Flags"},
        {"strict protected constructor Create(AOwner: TComponent); reintroduce;", Sub, Protected,
         "Create", "", "TComponent AOwner"},
        {"destructor Destroy; override;", Sub, Public, "Destroy", "", ""},
        {"TNotifyEvent = procedure(Sender: TObject) of object;", Sub, Public, "TNotifyEvent", "",
         "TObject Sender"},
        {"TFilter = reference to function(const Item: string): Boolean;", Function, Public,
         "TFilter", "Boolean", "string Item"},
        {"function Find<T>(const List: TList<T>; { the key } Key: T = Default(T)): Integer;",
         Function, Public, "Find<T>", "Integer", "TList<T> List|T Key?"},
        {"procedure Read(var Buffer; Count: Longint);", Sub, Public, "Read", "",
         " Buffer|Longint Count"},
        {"FUNCTION Upper(S: ShortString): ShortString;", Function, Public, "Upper", "ShortString",
         "ShortString S"},
    };
    for (const Case& c : cases) {
        Check(DevelopmentLanguage::Delphi, c);
    }
}

TEST(DeclarationParserTest, CustomGuessesTheSyntaxFromKeywords) {
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"function X(a: Integer): Integer;"),
              DevelopmentLanguage::Delphi);
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"procedure Run;"), DevelopmentLanguage::Delphi);
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"Public Function X(a As Long) As Long"),
              DevelopmentLanguage::VB);
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"static int function_table(void)"),
              DevelopmentLanguage::VC);
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"{ starts } // it\nclass function Make: TObj;"),
              DevelopmentLanguage::Delphi);
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"TNotify = procedure(Sender: TObject) of object;"),
              DevelopmentLanguage::Delphi);
    // Keywords past the start are a comment's or a type's.
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"void Widget::cleanup(void) // by the destructor"),
              DevelopmentLanguage::VC);
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"Foo::Foo(std::function<void()> cb) : cb_(cb)"),
              DevelopmentLanguage::VC);
    EXPECT_EQ(DeclarationReader::GuessSyntax(u"Private Sub Class_Terminate() ' the destructor"),
              DevelopmentLanguage::VB);
    const ParsedDeclaration parsed =
        DeclarationReader::Read(DevelopmentLanguage::Custom, u"Private Sub Go(n As Long)");
    EXPECT_EQ(parsed.Access, AccessLevel::Private);
    EXPECT_EQ(Describe(parsed.Parameters), QStringLiteral("Long n"));
}

TEST(DeclarationParserTest, UnreadableDeclarationsAreErrorsNamingTheProblem) {
    const std::pair<DevelopmentLanguage, const char*> bad[] = {
        {DevelopmentLanguage::VB, "Dim x As Long"},
        {DevelopmentLanguage::VB, "Public Function (x As Long)"},
        {DevelopmentLanguage::VB, "Sub Go(ByVal As Long)"},
        {DevelopmentLanguage::VB, "Sub Go(x As Long"},
        {DevelopmentLanguage::VB, "Sub Go(s As String = \"open)"},
        {DevelopmentLanguage::VC, "int x = 5;"},
        {DevelopmentLanguage::VC, "private: int values[10];"},
        {DevelopmentLanguage::VC, "void f(int a, , int b)"},
        {DevelopmentLanguage::VC, "void f(int a"},
        {DevelopmentLanguage::VC, "void f(int a) /* unclosed"},
        {DevelopmentLanguage::VC, "[[nodiscard int f()"},
        {DevelopmentLanguage::Delphi, "var X: Integer;"},
        {DevelopmentLanguage::Delphi, "procedure ;"},
        {DevelopmentLanguage::Delphi, "procedure P(: Integer);"},
        {DevelopmentLanguage::Delphi, "procedure P(a: Integer { open"},
    };
    for (const auto& [language, text] : bad) {
        SCOPED_TRACE(text);
        try {
            DeclarationReader::Read(language, QString::fromUtf8(text));
            ADD_FAILURE() << "accepted";
        } catch (const InputError& error) {
            EXPECT_FALSE(error.Message().isEmpty());
            EXPECT_FALSE(error.Message().contains(u'\n'));
        }
    }
    // The number counts parameters, not Delphi's groups of them.
    try {
        DeclarationReader::Read(DevelopmentLanguage::Delphi,
                                QStringLiteral("procedure P(a, b: Integer; var)"));
        ADD_FAILURE() << "accepted";
    } catch (const InputError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("cannot read parameter 3 of the declaration"));
    }
}

} // namespace
} // namespace quillmark::cli
