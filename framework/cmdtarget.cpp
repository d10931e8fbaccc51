#include "framework/cmdtarget.h"

const AfxMessageMap* CCmdTarget::GetThisMessageMap() {
  static const AfxMessageMapEntry entries[] = {
      {0, 0, 0, 0, AfxSig::Void, nullptr}};
  static const AfxMessageMap map = {nullptr, entries};
  return &map;
}

const AfxMessageMap* CCmdTarget::GetMessageMap() const {
  return GetThisMessageMap();
}

bool CCmdTarget::DispatchFromMap(UINT message, UINT code, UINT id,
                                 LRESULT* result) {
  for (const AfxMessageMap* map = GetMessageMap(); map; map = map->base) {
    for (const AfxMessageMapEntry* e = map->entries; e->handler; ++e) {
      if (e->message != message) continue;
      if (message == WM_COMMAND &&
          (e->code != code || id < e->idFirst || id > e->idLast))
        continue;
      if (e->signature == AfxSig::Cursor) {
        const auto handler =
            reinterpret_cast<HCURSOR (CCmdTarget::*)()>(e->handler);
        *result = reinterpret_cast<LRESULT>((this->*handler)());
      } else {
        (this->*(e->handler))();
        *result = 0;
      }
      return true;
    }
  }
  return false;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
  LRESULT ignored;
  return DispatchFromMap(WM_COMMAND, code, id, &ignored);
}
