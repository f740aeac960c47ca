// Non-window parts of the framework: run-time classes, strings, collections, resources, threads.
#include <afxdllx.h>
#include <afxmt.h>
#include <afxtempl.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

TEST(AfxCore, RuntimeClassAndDynamicCreation) {
    CObject* p = RUNTIME_CLASS(CWnd)->CreateObject();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(p->IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_STREQ(p->GetRuntimeClass()->m_lpszClassName, "CWnd");
    delete p;
    EXPECT_EQ(RUNTIME_CLASS(CButton)->CreateObject(), nullptr) << "CButton is dynamic, not dynamically creatable";
    CButton b;
    CWnd* pw = &b;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CButton, pw), &b);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CScrollBar, pw), nullptr);
}

TEST(AfxCore, StringBehavesLikeMfc) {
    CString s("Kelm");
    EXPECT_EQ(sizeof(CString), sizeof(char*)) << "passes through printf-style argument lists";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s!", (LPCSTR)s);
    EXPECT_STREQ(buf, "Kelm!");
    s += s;
    EXPECT_STREQ(s, "KelmKelm");
    s = s.Mid(2, 4);
    EXPECT_STREQ(s, "lmKe");
    EXPECT_STREQ(s.Mid(10), "");
    EXPECT_STREQ(s.Left(99), "lmKe");
    EXPECT_STREQ(s.Right(2), "Ke");
    EXPECT_EQ(s.Find("Ke"), 2);
    EXPECT_EQ(s.Find('z'), -1);
    s.Format("%d-%s-%c", 12, "ab", 'x');
    EXPECT_STREQ(s, "12-ab-x");
    CString big;
    big.Format("%0300d", 7);
    EXPECT_EQ(big.GetLength(), 300);
    EXPECT_TRUE(CString("abc") == "abc");
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);

    CString b;
    char* p = b.GetBuffer(10);
    std::strcpy(p, "hello");
    b.ReleaseBuffer();
    EXPECT_EQ(b.GetLength(), 5);
    b = b.Mid(1);  // assignment from a piece of itself
    EXPECT_STREQ(b, "ello");
    EXPECT_EQ(b.GetAt(99), 0) << "out of range reads the terminator, never past it";
    CString e;
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_STREQ(e + "x" + 'y', "xy");
}

TEST(AfxCore, Collections) {
    CArray<int, int> a;
    for (int i = 0; i < 100; ++i) a.Add(i);
    a.RemoveAt(10, 5);
    EXPECT_EQ(a.GetSize(), 95);
    EXPECT_EQ(a[10], 15);
    a.InsertAt(0, -1, 2);
    EXPECT_EQ(a[0], -1);
    EXPECT_EQ(a[2], 0);
    a.SetAtGrow(200, 5);
    EXPECT_EQ(a.GetSize(), 201);
    a.RemoveAt(500);  // out of range: refused
    EXPECT_EQ(a.GetSize(), 201);

    CArray<CString, const CString&> strings;
    strings.Add("a");
    strings.Add(strings[0]);  // an element of the array itself
    strings.Add("c");
    EXPECT_STREQ(strings[1], "a");

    CList<int, int> l;
    l.AddTail(2);
    l.AddHead(1);
    l.AddTail(3);
    POSITION pos = l.Find(2);
    ASSERT_NE(pos, nullptr);
    l.InsertAfter(pos, 25);
    l.RemoveAt(l.Find(1));
    int expected[] = {2, 25, 3};
    int i = 0;
    for (POSITION p = l.GetHeadPosition(); p != NULL; ++i) EXPECT_EQ(l.GetNext(p), expected[i]);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(l.RemoveTail(), 3);
    EXPECT_EQ(l.GetTail(), 25);
    EXPECT_EQ(l.FindIndex(5), nullptr);
}

TEST(AfxCore, ResourceChainSearchesCurrentModuleFirst) {
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    ASSERT_NE(pState, nullptr);
    EXPECT_EQ(pState, AfxGetModuleState());
    // AfxLite.dll carries a version resource; the test executable does not.
    HMODULE hAfx = ::GetModuleHandleA("AfxLite.dll");
    ASSERT_NE(hAfx, nullptr);
    LPCSTR name = MAKEINTRESOURCEA(1);
    LPCSTR type = MAKEINTRESOURCEA(16);  // RT_VERSION
    HINSTANCE hSaved = pState->m_hCurrentResourceHandle;
    EXPECT_EQ(AfxFindResourceHandle(name, type), hSaved) << "not found anywhere: the current module";

    AFX_EXTENSION_MODULE ext = {FALSE, NULL, NULL};
    AfxInitExtensionModule(ext, hAfx);
    CDynLinkLibrary* pLink = new CDynLinkLibrary(ext);
    EXPECT_EQ(AfxFindResourceHandle(name, type), hAfx) << "found in the chain";
    pState->m_hCurrentResourceHandle = hAfx;
    EXPECT_EQ(AfxFindResourceHandle(name, type), hAfx);
    pState->m_hCurrentResourceHandle = hSaved;
    delete pLink;
    EXPECT_EQ(AfxFindResourceHandle(name, type), hSaved) << "removed from the chain";
}

namespace {
UINT AFX_CDECL CountTo(LPVOID p) {
    CMutex* pMutex = static_cast<CMutex*>(((void**)p)[0]);
    int* pCounter = static_cast<int*>(((void**)p)[1]);
    for (int i = 0; i < 10000; ++i) {
        CSingleLock lock(pMutex, TRUE);
        ++*pCounter;
    }
    return 7;
}
}  // namespace

TEST(AfxCore, ThreadsAndMutex) {
    CMutex mutex;
    int counter = 0;
    void* params[2] = {&mutex, &counter};
    CWinThread* t1 = AfxBeginThread(CountTo, params, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    CWinThread* t2 = AfxBeginThread(CountTo, params, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_TRUE(t1 && t2);
    t1->m_bAutoDelete = t2->m_bAutoDelete = FALSE;
    t1->ResumeThread();
    t2->ResumeThread();
    HANDLE h[2] = {t1->m_hThread, t2->m_hThread};
    ASSERT_EQ(::WaitForMultipleObjects(2, h, TRUE, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    ::GetExitCodeThread(t1->m_hThread, &code);
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(counter, 20000);
    delete t1;
    delete t2;
}

TEST(AfxCore, GdiObjectsOwnTheirHandles) {
    HGDIOBJ h;
    {
        CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
        h = pen.m_hObject;
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(CGdiObject::FromHandle(h), &pen);
    }
    EXPECT_EQ(::GetObjectType(h), 0u) << "deleted with its owner";

    HBRUSH hBorrowed = ::CreateSolidBrush(RGB(9, 9, 9));
    CBrush* pTemp = CBrush::FromHandle(hBorrowed);
    EXPECT_EQ((HBRUSH)*pTemp, hBorrowed);
    AfxDeleteTempMaps();
    EXPECT_EQ(::GetObjectType(hBorrowed), (DWORD)OBJ_BRUSH) << "a temporary object only borrows";
    ::DeleteObject(hBorrowed);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 1, NULL));
    CBitmap* pOld = dc.SelectObject(&bmp);
    ASSERT_NE(pOld, nullptr);
    dc.FillSolidRect(0, 0, 8, 8, RGB(255, 255, 255));
    dc.Draw3dRect(CRect(0, 0, 8, 8), RGB(0, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(7, 7), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(3, 3), RGB(255, 255, 255));
    dc.SelectObject(pOld);
}
