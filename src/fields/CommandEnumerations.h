#pragma once
// The integer enumerations of the command history: the action of a command, the business item it
// acts on and its status. A command starts as Waiting, goes out as Sent and ends Done or Failed
// with the server's answer.
#include <cstdint>

#include "fields/MEnum.h"
#include "fields/MEnumTable.h"

enum class EnumActionType : unsigned char {
    Unknown,
    Add,
    Update,
    Delete,
    Cancel,
    Transfer,
    Reject,
    Execute,
    Confirm,
    Query
};
template <>
struct MEnumTable<EnumActionType> {
    static constexpr char kTypeName[] = "EnumActionType";
    static constexpr const char* kNames[] = {"Unknown",  "Add",    "Update",  "Delete",  "Cancel",
                                             "Transfer", "Reject", "Execute", "Confirm", "Query"};
};
using ActionType = MEnum<unsigned char, EnumActionType, 10>;

enum class EnumActionStatusType : unsigned char { Waiting, Sent, SentRejected, Done, Failed, Unsupported };
template <>
struct MEnumTable<EnumActionStatusType> {
    static constexpr char kTypeName[] = "EnumActionStatusType";
    static constexpr const char* kNames[] = {"Waiting", "Sent",   "Sent Rejected",
                                             "Done",    "Failed", "Unsupported"};
};
using ActionStatusType = MEnum<unsigned char, EnumActionStatusType, 6>;

// The business-object kinds of the product family, 342 in all; the client acts on the seven named
// ones. The other rows keep their places under placeholder names (BusinessItem_<row>).
enum class EnumBusinessItemType : uint32_t {
    Account = 206,
    Position = 207,
    MasterAccount = 210,
    HistoricalAccount = 276,
    HistoricalPosition = 277,
    HistoricalPositionSubmission = 278,
    HistoricalCommand = 279
};
template <>
struct MEnumTable<EnumBusinessItemType> {
    static constexpr char kTypeName[] = "EnumBusinessItemType";
    // clang-format off
    static constexpr const char* kNames[] = {
        "BusinessItem_0", "BusinessItem_1", "BusinessItem_2", "BusinessItem_3", "BusinessItem_4",
        "BusinessItem_5", "BusinessItem_6", "BusinessItem_7", "BusinessItem_8", "BusinessItem_9",
        "BusinessItem_10", "BusinessItem_11", "BusinessItem_12", "BusinessItem_13", "BusinessItem_14",
        "BusinessItem_15", "BusinessItem_16", "BusinessItem_17", "BusinessItem_18", "BusinessItem_19",
        "BusinessItem_20", "BusinessItem_21", "BusinessItem_22", "BusinessItem_23", "BusinessItem_24",
        "BusinessItem_25", "BusinessItem_26", "BusinessItem_27", "BusinessItem_28", "BusinessItem_29",
        "BusinessItem_30", "BusinessItem_31", "BusinessItem_32", "BusinessItem_33", "BusinessItem_34",
        "BusinessItem_35", "BusinessItem_36", "BusinessItem_37", "BusinessItem_38", "BusinessItem_39",
        "BusinessItem_40", "BusinessItem_41", "BusinessItem_42", "BusinessItem_43", "BusinessItem_44",
        "BusinessItem_45", "BusinessItem_46", "BusinessItem_47", "BusinessItem_48", "BusinessItem_49",
        "BusinessItem_50", "BusinessItem_51", "BusinessItem_52", "BusinessItem_53", "BusinessItem_54",
        "BusinessItem_55", "BusinessItem_56", "BusinessItem_57", "BusinessItem_58", "BusinessItem_59",
        "BusinessItem_60", "BusinessItem_61", "BusinessItem_62", "BusinessItem_63", "BusinessItem_64",
        "BusinessItem_65", "BusinessItem_66", "BusinessItem_67", "BusinessItem_68", "BusinessItem_69",
        "BusinessItem_70", "BusinessItem_71", "BusinessItem_72", "BusinessItem_73", "BusinessItem_74",
        "BusinessItem_75", "BusinessItem_76", "BusinessItem_77", "BusinessItem_78", "BusinessItem_79",
        "BusinessItem_80", "BusinessItem_81", "BusinessItem_82", "BusinessItem_83", "BusinessItem_84",
        "BusinessItem_85", "BusinessItem_86", "BusinessItem_87", "BusinessItem_88", "BusinessItem_89",
        "BusinessItem_90", "BusinessItem_91", "BusinessItem_92", "BusinessItem_93", "BusinessItem_94",
        "BusinessItem_95", "BusinessItem_96", "BusinessItem_97", "BusinessItem_98", "BusinessItem_99",
        "BusinessItem_100", "BusinessItem_101", "BusinessItem_102", "BusinessItem_103", "BusinessItem_104",
        "BusinessItem_105", "BusinessItem_106", "BusinessItem_107", "BusinessItem_108", "BusinessItem_109",
        "BusinessItem_110", "BusinessItem_111", "BusinessItem_112", "BusinessItem_113", "BusinessItem_114",
        "BusinessItem_115", "BusinessItem_116", "BusinessItem_117", "BusinessItem_118", "BusinessItem_119",
        "BusinessItem_120", "BusinessItem_121", "BusinessItem_122", "BusinessItem_123", "BusinessItem_124",
        "BusinessItem_125", "BusinessItem_126", "BusinessItem_127", "BusinessItem_128", "BusinessItem_129",
        "BusinessItem_130", "BusinessItem_131", "BusinessItem_132", "BusinessItem_133", "BusinessItem_134",
        "BusinessItem_135", "BusinessItem_136", "BusinessItem_137", "BusinessItem_138", "BusinessItem_139",
        "BusinessItem_140", "BusinessItem_141", "BusinessItem_142", "BusinessItem_143", "BusinessItem_144",
        "BusinessItem_145", "BusinessItem_146", "BusinessItem_147", "BusinessItem_148", "BusinessItem_149",
        "BusinessItem_150", "BusinessItem_151", "BusinessItem_152", "BusinessItem_153", "BusinessItem_154",
        "BusinessItem_155", "BusinessItem_156", "BusinessItem_157", "BusinessItem_158", "BusinessItem_159",
        "BusinessItem_160", "BusinessItem_161", "BusinessItem_162", "BusinessItem_163", "BusinessItem_164",
        "BusinessItem_165", "BusinessItem_166", "BusinessItem_167", "BusinessItem_168", "BusinessItem_169",
        "BusinessItem_170", "BusinessItem_171", "BusinessItem_172", "BusinessItem_173", "BusinessItem_174",
        "BusinessItem_175", "BusinessItem_176", "BusinessItem_177", "BusinessItem_178", "BusinessItem_179",
        "BusinessItem_180", "BusinessItem_181", "BusinessItem_182", "BusinessItem_183", "BusinessItem_184",
        "BusinessItem_185", "BusinessItem_186", "BusinessItem_187", "BusinessItem_188", "BusinessItem_189",
        "BusinessItem_190", "BusinessItem_191", "BusinessItem_192", "BusinessItem_193", "BusinessItem_194",
        "BusinessItem_195", "BusinessItem_196", "BusinessItem_197", "BusinessItem_198", "BusinessItem_199",
        "BusinessItem_200", "BusinessItem_201", "BusinessItem_202", "BusinessItem_203", "BusinessItem_204",
        "BusinessItem_205", "Account", "Position", "BusinessItem_208", "BusinessItem_209", "MasterAccount",
        "BusinessItem_211", "BusinessItem_212", "BusinessItem_213", "BusinessItem_214", "BusinessItem_215",
        "BusinessItem_216", "BusinessItem_217", "BusinessItem_218", "BusinessItem_219", "BusinessItem_220",
        "BusinessItem_221", "BusinessItem_222", "BusinessItem_223", "BusinessItem_224", "BusinessItem_225",
        "BusinessItem_226", "BusinessItem_227", "BusinessItem_228", "BusinessItem_229", "BusinessItem_230",
        "BusinessItem_231", "BusinessItem_232", "BusinessItem_233", "BusinessItem_234", "BusinessItem_235",
        "BusinessItem_236", "BusinessItem_237", "BusinessItem_238", "BusinessItem_239", "BusinessItem_240",
        "BusinessItem_241", "BusinessItem_242", "BusinessItem_243", "BusinessItem_244", "BusinessItem_245",
        "BusinessItem_246", "BusinessItem_247", "BusinessItem_248", "BusinessItem_249", "BusinessItem_250",
        "BusinessItem_251", "BusinessItem_252", "BusinessItem_253", "BusinessItem_254", "BusinessItem_255",
        "BusinessItem_256", "BusinessItem_257", "BusinessItem_258", "BusinessItem_259", "BusinessItem_260",
        "BusinessItem_261", "BusinessItem_262", "BusinessItem_263", "BusinessItem_264", "BusinessItem_265",
        "BusinessItem_266", "BusinessItem_267", "BusinessItem_268", "BusinessItem_269", "BusinessItem_270",
        "BusinessItem_271", "BusinessItem_272", "BusinessItem_273", "BusinessItem_274", "BusinessItem_275",
        "HistoricalAccount", "HistoricalPosition", "HistoricalPositionSubmission", "HistoricalCommand",
        "BusinessItem_280", "BusinessItem_281", "BusinessItem_282", "BusinessItem_283", "BusinessItem_284",
        "BusinessItem_285", "BusinessItem_286", "BusinessItem_287", "BusinessItem_288", "BusinessItem_289",
        "BusinessItem_290", "BusinessItem_291", "BusinessItem_292", "BusinessItem_293", "BusinessItem_294",
        "BusinessItem_295", "BusinessItem_296", "BusinessItem_297", "BusinessItem_298", "BusinessItem_299",
        "BusinessItem_300", "BusinessItem_301", "BusinessItem_302", "BusinessItem_303", "BusinessItem_304",
        "BusinessItem_305", "BusinessItem_306", "BusinessItem_307", "BusinessItem_308", "BusinessItem_309",
        "BusinessItem_310", "BusinessItem_311", "BusinessItem_312", "BusinessItem_313", "BusinessItem_314",
        "BusinessItem_315", "BusinessItem_316", "BusinessItem_317", "BusinessItem_318", "BusinessItem_319",
        "BusinessItem_320", "BusinessItem_321", "BusinessItem_322", "BusinessItem_323", "BusinessItem_324",
        "BusinessItem_325", "BusinessItem_326", "BusinessItem_327", "BusinessItem_328", "BusinessItem_329",
        "BusinessItem_330", "BusinessItem_331", "BusinessItem_332", "BusinessItem_333", "BusinessItem_334",
        "BusinessItem_335", "BusinessItem_336", "BusinessItem_337", "BusinessItem_338", "BusinessItem_339",
        "BusinessItem_340", "BusinessItem_341"
    };
    // clang-format on
};
using BusinessItemType = MEnum<uint32_t, EnumBusinessItemType, 342>;
