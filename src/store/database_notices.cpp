#include "store/database_notices.h"

#include <string>

namespace horalix {

namespace {
constexpr std::string_view kCaption = "Horalix";
}  // namespace

NoticeText noticeText(DbNotice notice) {
  switch (notice) {
    case DbNotice::ListsUnavailable:
      return {"操作系统是精简版本，不支持本功能", 0};
    case DbNotice::PresetNotSaved:
      return {"受限制或操作系统是精简版本，不支持本功能", 1000};
    case DbNotice::LinksNotSaved:
      return {"受账户权限限制只能调用，保存数据需管理员权限", 2000};
    case DbNotice::DeleteFailed:
      return {"请使用最新版本的程序", 800};
    case DbNotice::RecordNotFound:
      return {"找不到该记录", 0};
    case DbNotice::PresetIncomplete:
      return {"请保持文件完整，重新安装程序", 800};
  }
  return {"", 0};
}

void showNotice(platform::MessageBoxes& boxes, DbNotice notice) {
  const NoticeText n = noticeText(notice);
  const std::string text(n.text), caption(kCaption);
  if (n.timeoutMs > 0) {
    boxes.showTimed(text, caption, platform::mb::Ok, n.timeoutMs);
  } else {
    boxes.show(text, caption, platform::mb::Ok);
  }
}

}  // namespace horalix
