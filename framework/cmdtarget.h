// Objects that receive messages through static message maps: each class has a
// table of {message, notification code, control IDs, handler}, searched from
// the most derived class to its bases.
#pragma once

#include <windows.h>

struct AfxMessageMap;

class CObject {
 public:
  virtual ~CObject() = default;
};

class CCmdTarget : public CObject {
 public:
  // Runs the first handler for (message, code, id) in this object's maps.
  // Returns false when no map has one.
  bool DispatchFromMap(UINT message, UINT code, UINT id, LRESULT* result);
  // Command routing: WM_COMMAND with the given notification code and ID.
  virtual bool OnCmdMsg(UINT id, UINT code);

 protected:
  static const AfxMessageMap* GetThisMessageMap();
  virtual const AfxMessageMap* GetMessageMap() const;
};

// Declared once CCmdTarget is complete, so that MSVC gives the member
// pointer the single-inheritance form, which every handler converts to.
using AfxHandler = void (CCmdTarget::*)();

enum class AfxSig { Void, Cursor };

struct AfxMessageMapEntry {
  UINT message;
  UINT code;
  UINT idFirst;
  UINT idLast;
  AfxSig signature;
  AfxHandler handler;
};

struct AfxMessageMap {
  const AfxMessageMap* base;
  const AfxMessageMapEntry* entries;  // ends with an entry whose handler is null
};

#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const AfxMessageMap* GetThisMessageMap();     \
  const AfxMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                               \
  const AfxMessageMap* theClass::GetMessageMap() const {                     \
    return GetThisMessageMap();                                              \
  }                                                                          \
  const AfxMessageMap* theClass::GetThisMessageMap() {                       \
    using ThisClass [[maybe_unused]] = theClass;                             \
    using ThisBaseClass = baseClass;                                         \
    static const AfxMessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                    \
  {0, 0, 0, 0, AfxSig::Void, nullptr}};                                      \
    static const AfxMessageMap map = {ThisBaseClass::GetThisMessageMap(),    \
                                      entries};                              \
    return &map;                                                             \
  }

#define ON_COMMAND_CODE(code, id, memberFn) \
  {WM_COMMAND, code, id, id, AfxSig::Void, static_cast<AfxHandler>(memberFn)},
#define ON_COMMAND(id, memberFn) ON_COMMAND_CODE(0, id, memberFn)
#define ON_BN_CLICKED(id, memberFn) ON_COMMAND_CODE(BN_CLICKED, id, memberFn)
#define ON_LBN_DBLCLK(id, memberFn) ON_COMMAND_CODE(LBN_DBLCLK, id, memberFn)
#define ON_WM_PAINT() \
  {WM_PAINT, 0, 0, 0, AfxSig::Void, static_cast<AfxHandler>(&ThisClass::OnPaint)},
#define ON_WM_QUERYDRAGICON()                                      \
  {WM_QUERYDRAGICON, 0, 0, 0, AfxSig::Cursor,                      \
   reinterpret_cast<AfxHandler>(static_cast<HCURSOR (CCmdTarget::*)()>( \
       &ThisClass::OnQueryDragIcon))},
