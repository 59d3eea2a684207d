VERSION 5.00
Object = "{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0"; "MSFLXGRD.OCX"
Object = "{8C3D4AA0-2599-11D2-BAF1-00104B9E0792}#1.0#0"; "FolivanTab.ocx"
Begin VB.Form frmMain 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Café ""Options"""
   ClientHeight    =   4815
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   6735
   Icon            =   "frmMain.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   4815
   ScaleWidth      =   6735
   StartUpPosition =   3  'Windows Default
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   3735
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   6495
      _ExtentX        =   11456
      _ExtentY        =   6588
      STT             =   0   'False
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   9.75
         Charset         =   238
         Weight          =   700
         Underline       =   0   'False
         Italic          =   -1  'True
         Strikethrough   =   0   'False
      EndProperty
      Tabs            =   2
      Caption         =   "General"
      BackCol         =   -2147483633
      TabColFG        =   &H8000000F&
      BackPic         =   "frmMain.frx":0442
      TabCaption(0)   =   "General"
      TabToolTip(0)   =   ""
      TabContCtrlCnt(0)=   1
      Tab(0)ContCtrlCap(1)=   "Text1[0]"
      Tab(0)CtrlEnabled(1)=   -1  'True
      Tab(0)CtrlTabStop(1)=   0   'False
      ' a comment kept in place   
      FutureKey       =   whatever this means
      DCtrlCount      =   1
      DefCtrlCap(1)   =   "Line1"
      Begin VB.Line Line1 
         X1              =   120
         X2              =   6240
         Y1              =   3480
         Y2              =   3480
      End
      Begin VB.TextBox Text1 
         Enabled         =   0   'False
         Height          =   285
         Index           =   0
         Left            =   75240
         TabIndex        =   1
         Text            =   "café"
         Top             =   600
         Width           =   2175
         ZOrder          =   2
      End
   End
   Begin MSFlexGridLib.MSFlexGrid Grid1 
      Height          =   615
      Left            =   120
      TabIndex        =   2
      Top             =   3960
      Width           =   6495
      _ExtentX        =   11456
      _ExtentY        =   1085
      _Version        =   393216
      AllowUserResizing=   1
   End
   Begin VB.Label Label1 
      Caption         =   $"frmMain.frx":0A10
      Height          =   255
      Left            =   120
      TabIndex        =   3
      Top             =   4440
      Width           =   3000
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    If Text1(0).Text = "" Then End
End Sub
